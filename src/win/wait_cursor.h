#pragma once
// The wait cursor while the UI thread works through something long without pumping messages
// (a huge image decoded and drawn): the cursor it replaced comes back at the end of the scope.
#include <windows.h>

class WaitCursor {
public:
    WaitCursor() = default;
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() {
        if (shown_) SetCursor(previous_);
    }
    void show() {
        if (shown_) return;
        previous_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        shown_ = true;
    }
    bool shown() const { return shown_; }

private:
    HCURSOR previous_ = nullptr;
    bool shown_ = false;
};
