#pragma once
// The one window pattern of this program.
//
// Declaring a class: a window whose state is a record derives from BaseWindow<Record>, names
// its class and handles its messages:
//
//     struct PinWindow : BaseWindow<PinWindow> {
//         static constexpr const wchar_t* CLASS_NAME = L"OrmickOxelPin";
//         LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);  // default_handle() for the rest
//         // Optional: takes the record over when the window is gone (else it is deleted).
//         static void after_destroy(std::unique_ptr<PinWindow> record);
//         // Optional: frees the worker records still queued for it (drain_results for each
//         // message it receives them by); run at WM_NCDESTROY, after handle.
//         void drain_posted();
//     };
//     const WindowClass PIN_WINDOW_CLASS = window_class<PinWindow>(CS_DBLCLKS, IDC_ARROW);
//
// Registering: every class is listed once in main's start-up table (register_window_classes in
// main/window_classes_win.cpp), which calls register_window_class for each; a failure is logged
// with its error. Nothing registers a class anywhere else.
//
// One record per window: PinWindow::create(std::make_unique<PinWindow>(...), ...) makes the
// window and hands it the record. The record's pointer sits in GWLP_USERDATA from WM_NCCREATE
// until WM_NCDESTROY; then it is cleared and the record deleted (or given to after_destroy).
// A record whose window is destroyed while one of its handlers runs (by the handler itself, or
// in a message loop the handler runs, such as a dialog's) is kept until that handler returns:
// after any call that may destroy the window, check alive().
//
// Single windows (the main window, the overlay) keep their state in UI cells and use a plain
// procedure wrapped by guarded_window_proc; a system control given a handler of ours (an EDIT)
// is subclassed through win/subclass.h. Either way nothing is thrown through a window
// procedure: anything thrown ends the process through the fatal path, as a double borrow does.
#include <windows.h>

#include <cwchar>
#include <exception>
#include <memory>

// One class of this program, as registered at start-up.
struct WindowClass {
    const wchar_t* name = nullptr;
    WNDPROC proc = nullptr;
    UINT style = 0;
    const wchar_t* cursor = nullptr;  // a system cursor id (IDC_ARROW), or none
    bool program_icon = false;        // the program's own icon (resource 1)
    HBRUSH background = nullptr;
};

// RegisterClassExW; false and a log line with the system's error when it fails.
bool register_window_class(const WindowClass& spec);

// Logs what was thrown and ends the process.
[[noreturn]] void window_proc_threw(const char* what);

// Runs one message's handling: whatever it throws ends the process instead of unwinding into
// the system's code. Every procedure of ours runs inside it.
template <class Handling>
LRESULT run_guarded(Handling&& handling) noexcept {
    try {
        return handling();
    } catch (const std::exception& e) {
        window_proc_threw(e.what());
    } catch (...) {
        window_proc_threw("unknown exception");
    }
}

template <LRESULT (*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK guarded_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return run_guarded([&] { return Handler(window, message, wparam, lparam); });
}

template <class T>
class BaseWindow {
public:
    // None before WM_NCCREATE and after WM_NCDESTROY.
    HWND hwnd() const { return hwnd_; }
    bool alive() const { return hwnd_ != nullptr; }

    // The record of one of this process's windows of T's class; null for any other window and
    // once the window is destroyed.
    static T* from(HWND window) {
        if (!window) return nullptr;
        DWORD pid = 0;
        if (!GetWindowThreadProcessId(window, &pid) || pid != GetCurrentProcessId()) return nullptr;
        wchar_t name[64];
        const int n = GetClassNameW(window, name, 64);
        if (n <= 0 || std::wcscmp(name, T::CLASS_NAME) != 0) return nullptr;
        return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }

    // Creates a window of T's class that owns `record`. Null when it cannot be made; the
    // record is freed then (through after_destroy if the window got as far as WM_NCCREATE).
    static HWND create(std::unique_ptr<T> record, DWORD ex_style, const wchar_t* title, DWORD style, int x, int y,
                       int width, int height, HWND parent = nullptr, HMENU menu = nullptr) {
        if (!record) return nullptr;
        Creating creating{record.get()};
        const HWND window = CreateWindowExW(ex_style, T::CLASS_NAME, title, style, x, y, width, height, parent, menu,
                                            GetModuleHandleW(nullptr), &creating);
        if (!creating.adopted) return nullptr;  // the record goes with `record`
        T* self = record.release();             // the window's now, or freed with it
        if (creating.freed) return nullptr;
        self->creating_ = nullptr;
        if (!window) {
            // Creation failed after WM_NCCREATE without a WM_NCDESTROY: finish it here.
            SetWindowLongPtrW(self->hwnd_, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            finish(self);
        }
        return window;
    }

    static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
        return run_guarded([&] { return dispatch(window, message, wparam, lparam); });
    }

protected:
    BaseWindow() = default;
    ~BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    LRESULT default_handle(UINT message, WPARAM wparam, LPARAM lparam) {
        return DefWindowProcW(hwnd_, message, wparam, lparam);
    }

private:
    struct Creating {
        T* record = nullptr;
        bool adopted = false;  // WM_NCCREATE stored the record in the window
        bool freed = false;    // WM_NCDESTROY came during CreateWindowExW
    };

    static T* stored(HWND window) { return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

    static LRESULT dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_NCCREATE) {
            const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lparam);
            auto* creating = cs ? static_cast<Creating*>(cs->lpCreateParams) : nullptr;
            // A window of a record class made without its record has nothing to run on.
            if (!creating || !creating->record) return FALSE;
            T* self = creating->record;
            BaseWindow& base = *self;
            base.hwnd_ = window;
            base.creating_ = creating;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            creating->adopted = true;
            return run(self, message, wparam, lparam);
        }
        T* self = stored(window);
        if (!self) return DefWindowProcW(window, message, wparam, lparam);
        if (message == WM_NCDESTROY) {
            BaseWindow& base = *self;
            base.dying_ = true;
            const LRESULT result = run(self, message, wparam, lparam);
            // The last message: a worker's post that landed during the destruction is still
            // queued, and goes with the window unless taken now.
            if constexpr (requires(T& t) { t.drain_posted(); }) self->drain_posted();
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            base.hwnd_ = nullptr;
            if (base.creating_) base.creating_->freed = true;
            if (base.depth_ == 0) finish(self);
            return result;
        }
        return run(self, message, wparam, lparam);
    }

    // The record's handler; a record whose window went meanwhile is finished on the way out.
    static LRESULT run(T* self, UINT message, WPARAM wparam, LPARAM lparam) {
        BaseWindow& base = *self;
        ++base.depth_;
        const LRESULT result = self->handle(message, wparam, lparam);
        --base.depth_;
        if (base.depth_ == 0 && base.dying_ && message != WM_NCDESTROY) finish(self);
        return result;
    }

    static void finish(T* self) {
        std::unique_ptr<T> owned(self);
        if constexpr (requires(std::unique_ptr<T> p) { T::after_destroy(std::move(p)); })
            T::after_destroy(std::move(owned));
    }

    HWND hwnd_ = nullptr;
    Creating* creating_ = nullptr;
    int depth_ = 0;
    bool dying_ = false;
};

// The registration entry of a record class.
template <class T>
WindowClass window_class(UINT style, const wchar_t* cursor, bool program_icon = false, HBRUSH background = nullptr) {
    return WindowClass{T::CLASS_NAME, &BaseWindow<T>::window_proc, style, cursor, program_icon, background};
}

// For the message loop: a key message inside one of T's windows gets the dialog keys (Tab,
// Enter, Esc) from IsDialogMessageW. True when it was taken there.
template <class T>
bool dialog_message_of(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return root && T::from(root) && IsDialogMessageW(root, &message);
}
