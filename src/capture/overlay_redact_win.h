#pragma once
// Hiding personal data from the overlay: the scan of the selection and its answer.
#include <windows.h>

#include <cstdint>

// The personal-data scan of the selection, when `request` is still this session's and no scan
// runs; the answer comes back as WM_APP_REDACT_DONE.
void start_redact(HWND window, uint64_t request);
// WM_APP_REDACT_DONE: the record is freed whatever happens to it.
void on_redact_done(HWND window, WPARAM request, LPARAM record);
