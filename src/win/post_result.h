#pragma once
// The one way a worker hands a heap record to a window: post_result lists it and posts it;
// the receiving window procedure takes it with take_result and owns it from then on.
// A failed post (or no target window) frees the record. A window that receives records calls
// drain_results for each of their messages at WM_NCDESTROY, its last message (a BaseWindow
// record in its drain_posted), so none posted while it was being destroyed is left queued and
// listed.
#include <windows.h>

#include <memory>

#include "util/record_registry.h"

template <class T>
bool post_result(HWND target, UINT message, WPARAM wparam, std::unique_ptr<T> record) {
    if (!target || !record) return false;
    T* raw = record.get();
    record_registry_add(raw, typeid(T));
    if (PostMessageW(target, message, wparam, reinterpret_cast<LPARAM>(raw))) {
        record.release();
        return true;
    }
    record_registry_remove(raw, typeid(T));
    return false;
}

// The record behind lParam when this process posted it and nobody took it yet; else null.
template <class T>
std::unique_ptr<T> take_result(LPARAM lparam) {
    T* raw = reinterpret_cast<T*>(lparam);
    if (!raw || !record_registry_remove(raw, typeid(T))) return nullptr;
    return std::unique_ptr<T>(raw);
}

// Takes and frees every record of this message still queued for the window. A quit request
// comes out of any filtered peek once nothing else matches: it is put back for the message loop.
template <class T>
void drain_results(HWND window, UINT message) {
    if (!window) return;
    MSG msg;
    while (PeekMessageW(&msg, window, message, message, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        take_result<T>(msg.lParam);
    }
}
