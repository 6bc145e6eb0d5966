#pragma once
// Temporary files a killed earlier run left in the folders this program writes.
// Deletes, on a worker, the ones in the settings, history and save folders that were last
// written before this process started. UI thread, once at start-up after the settings are read.
void start_stale_temp_cleanup();
