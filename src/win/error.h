#pragma once
#include <windows.h>

#include <string_view>

#include "util/result.h"

// The system's message text for a code, trailing white space removed; empty when none.
std::string system_message(DWORD code);
// An error for an HRESULT: "what: text", the text being the system's message or, when the
// system has none (as under Wine for many codes), the HRESULT in hex.
Error error_from_hresult(HRESULT hr, std::string_view what = {});
// An error for a failed call that always shows the HRESULT: "call: text (0x80070057)", or
// "call: HRESULT 0xC00D36B2" when the system has no text. For calls whose codes the system
// does not explain (Media Foundation, WIC), where the code is what a reader can look up.
Error error_naming_hresult(HRESULT hr, std::string_view call);
// The same for a Win32 error code (GetLastError()).
Error error_from_win32(DWORD code, std::string_view what = {});
Error last_error(std::string_view what = {});
