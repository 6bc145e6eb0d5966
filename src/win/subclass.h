#pragma once
// A system control (an EDIT) given a handler of ours: SetWindowSubclass of comctl32 v6, which
// the program's manifest asks for. The handler sees each message first and passes on what it
// leaves to the control with DefSubclassProc; it runs guarded like every window procedure, so
// nothing is thrown through it. The subclass goes at WM_NCDESTROY, the control's last message,
// after which the handler sees nothing more: it frees whatever `data` owns there.
#include <windows.h>
#include <commctrl.h>

#include "win/window.h"

// A subclass handler: the control's message and the data given at subclass_control.
using SubclassHandler = LRESULT (*)(HWND control, UINT message, WPARAM wparam, LPARAM lparam, DWORD_PTR data);

template <SubclassHandler Handler>
LRESULT CALLBACK guarded_subclass_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                       DWORD_PTR data) noexcept {
    return run_guarded([&] {
        if (message == WM_NCDESTROY) RemoveWindowSubclass(control, &guarded_subclass_proc<Handler>, id);
        return Handler(control, message, wparam, lparam, data);
    });
}

// Gives `control` the handler with `data`; false when the system refused (the control then
// keeps its own behaviour, and whatever `data` owns stays with the caller).
template <SubclassHandler Handler>
bool subclass_control(HWND control, DWORD_PTR data = 0) {
    return control && SetWindowSubclass(control, &guarded_subclass_proc<Handler>, 0, data) != FALSE;
}
