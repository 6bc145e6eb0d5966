#include "record/mf_library_win.h"

#include <string>

#include "strings/ui_strings.h"
#include "util/log.h"

namespace {

// The missing part, named for the user; the log keeps which file or function it was.
Error missing(const char* what, DWORD code) {
    debug_log(std::string("Media Foundation missing: ") + what + " (error " + std::to_string(code) + ")");
    return make_error(ui_text(RECORD_NEEDS_MEDIA_FOUNDATION), static_cast<int64_t>(code));
}

template <class F>
bool find(HMODULE module, const char* name, F& out) {
    // GetProcAddress gives a generic pointer; the declared type is the function's own.
    out = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return out != nullptr;
}

}  // namespace

Result<MfLibrary> MfLibrary::load() {
    MfLibrary lib;
    // Only from the system folder: never a same-named DLL beside the program or in the current one.
    lib.plat_.reset(LoadLibraryExW(L"mfplat.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!lib.plat_) return missing("mfplat.dll", GetLastError());
    lib.readwrite_.reset(LoadLibraryExW(L"mfreadwrite.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!lib.readwrite_) return missing("mfreadwrite.dll", GetLastError());

    MfCalls& c = lib.calls_;
    const HMODULE plat = lib.plat_.get();
    const struct {
        bool found;
        const char* name;
    } functions[] = {
        {find(plat, "MFStartup", c.startup), "MFStartup"},
        {find(plat, "MFShutdown", c.shutdown), "MFShutdown"},
        {find(plat, "MFCreateAttributes", c.create_attributes), "MFCreateAttributes"},
        {find(plat, "MFCreateMediaType", c.create_media_type), "MFCreateMediaType"},
        {find(plat, "MFCreateMemoryBuffer", c.create_memory_buffer), "MFCreateMemoryBuffer"},
        {find(plat, "MFCreateSample", c.create_sample), "MFCreateSample"},
        {find(lib.readwrite_.get(), "MFCreateSinkWriterFromURL", c.create_writer), "MFCreateSinkWriterFromURL"},
    };
    for (const auto& f : functions) {
        if (!f.found) return missing(f.name, ERROR_PROC_NOT_FOUND);
    }
    return lib;
}
