#pragma once
// The QR worker: finds and decodes the QR codes in a selection on its own thread and posts
// WM_APP_QR_DONE (wParam 0, lParam a QrScanResult) to the target window.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "util/geometry.h"

struct QrRequest {
    std::vector<uint32_t> pixels;  // one per pixel, blue low, rows from the top
    uint32_t width = 0;
    uint32_t height = 0;
    Rect placement;  // screen rectangle near which the result window goes, passed through
    HWND target = nullptr;
};

// The thread body: one post, whatever it finds (possibly no text).
void qr_worker(QrRequest request);
// WM_APP_QR_DONE on the main window (lParam the record a worker posted; anything else is
// ignored): the decoded texts in a result window, or the notice that none was found.
void on_qr_done(LPARAM record);
// Runs qr_worker on a detached thread (the overlay's QR action). Ends the process when no
// thread can be started.
void start_qr_worker(QrRequest request);
