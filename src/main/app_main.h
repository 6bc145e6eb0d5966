#pragma once
// The program's entry after the runtime's start-up: a developer job, a command forwarded to
// the running instance, or a new instance that runs until its main window is destroyed.
void app_main();
