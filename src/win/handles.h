#pragma once
// Move-only owners of Win32 handles and GDI objects.
#include <windows.h>
#include <objbase.h>
#include <winstring.h>

#include <string_view>
#include <utility>
#include <wrl/client.h>

template <class H, class Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Traits::invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, Traits::invalid()));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    H get() const { return h_; }
    explicit operator bool() const { return Traits::valid(h_); }
    H release() { return std::exchange(h_, Traits::invalid()); }
    void reset(H h = Traits::invalid()) {
        if (Traits::valid(h_)) Traits::close(h_);
        h_ = h;
    }

private:
    H h_ = Traits::invalid();
};

struct KernelHandleTraits {
    static HANDLE invalid() { return nullptr; }
    static bool valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { CloseHandle(h); }
};
using Handle = UniqueHandle<HANDLE, KernelHandleTraits>;

struct FindHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void close(HANDLE h) { FindClose(h); }
};
using FindHandle = UniqueHandle<HANDLE, FindHandleTraits>;

struct MemoryDcTraits {
    static HDC invalid() { return nullptr; }
    static bool valid(HDC h) { return h != nullptr; }
    static void close(HDC h) { DeleteDC(h); }
};
using MemoryDc = UniqueHandle<HDC, MemoryDcTraits>;

template <class T>
struct GdiObjectTraits {
    static T invalid() { return nullptr; }
    static bool valid(T h) { return h != nullptr; }
    static void close(T h) { DeleteObject(h); }
};
using GdiObject = UniqueHandle<HGDIOBJ, GdiObjectTraits<HGDIOBJ>>;
using Bitmap = UniqueHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;
using Font = UniqueHandle<HFONT, GdiObjectTraits<HFONT>>;
using Brush = UniqueHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using Region = UniqueHandle<HRGN, GdiObjectTraits<HRGN>>;

struct IconTraits {
    static HICON invalid() { return nullptr; }
    static bool valid(HICON h) { return h != nullptr; }
    static void close(HICON h) { DestroyIcon(h); }
};
using Icon = UniqueHandle<HICON, IconTraits>;

struct MenuTraits {
    static HMENU invalid() { return nullptr; }
    static bool valid(HMENU h) { return h != nullptr; }
    static void close(HMENU h) { DestroyMenu(h); }
};
using Menu = UniqueHandle<HMENU, MenuTraits>;

struct GlobalTraits {
    static HGLOBAL invalid() { return nullptr; }
    static bool valid(HGLOBAL h) { return h != nullptr; }
    static void close(HGLOBAL h) { GlobalFree(h); }
};
// A global memory block; release() it when the clipboard has taken it over.
using GlobalMemory = UniqueHandle<HGLOBAL, GlobalTraits>;

struct LocalTraits {
    static HLOCAL invalid() { return nullptr; }
    static bool valid(HLOCAL h) { return h != nullptr; }
    static void close(HLOCAL h) { LocalFree(h); }
};
// Memory that a system call allocated for its caller to LocalFree (security descriptors, ACLs).
using LocalMemory = UniqueHandle<HLOCAL, LocalTraits>;

struct ModuleTraits {
    static HMODULE invalid() { return nullptr; }
    static bool valid(HMODULE h) { return h != nullptr; }
    static void close(HMODULE h) { FreeLibrary(h); }
};
// A library loaded at run time (LoadLibraryExW), freed with FreeLibrary.
using Module = UniqueHandle<HMODULE, ModuleTraits>;

// GlobalLock for one scope.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL h) : h_(h), p_(h ? GlobalLock(h) : nullptr) {}
    ~GlobalLockGuard() { if (p_) GlobalUnlock(h_); }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    void* get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    HGLOBAL h_;
    void* p_;
};

// A DC from GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { if (dc_) ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint for one scope; EndPaint at its end.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { if (dc_) EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    // The part to paint.
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a DC and puts the old one back at the end of the scope.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(dc && obj ? SelectObject(dc, obj) : nullptr) {}
    ~SelectGuard() { if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

template <class T>
using ComPtr = Microsoft::WRL::ComPtr<T>;

// COM on this thread for one scope: CoUninitialize only when CoInitializeEx succeeded (S_FALSE
// included); a thread already in another apartment keeps it and ok() is false.
class ComApartment {
public:
    explicit ComApartment(DWORD model) : hr_(CoInitializeEx(nullptr, model)) {}
    ~ComApartment() { if (SUCCEEDED(hr_)) CoUninitialize(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool ok() const { return SUCCEEDED(hr_); }
    HRESULT result() const { return hr_; }

private:
    HRESULT hr_;
};

struct HStringTraits {
    static HSTRING invalid() { return nullptr; }
    static bool valid(HSTRING h) { return h != nullptr; }
    static void close(HSTRING h) { WindowsDeleteString(h); }
};
// A Windows Runtime string. The empty string is the null HSTRING.
using HString = UniqueHandle<HSTRING, HStringTraits>;

// A new HSTRING holding the UTF-16 units; the error's HRESULT when the system cannot make it.
inline HRESULT make_hstring(std::wstring_view text, HString& out) {
    HSTRING made = nullptr;
    const HRESULT hr = WindowsCreateString(text.data(), static_cast<UINT32>(text.size()), &made);
    if (SUCCEEDED(hr)) out.reset(made);
    return hr;
}

// The units of an HSTRING (empty for null); valid while the HSTRING lives.
inline std::wstring_view hstring_view(HSTRING text) {
    UINT32 length = 0;
    const wchar_t* units = WindowsGetStringRawBuffer(text, &length);
    return units ? std::wstring_view(units, length) : std::wstring_view();
}
