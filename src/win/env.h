#pragma once
// Environment and well-known folders (Win32).
#include <optional>
#include <string>

// The variable's value; set-but-empty gives "", unset gives none.
std::optional<std::string> env_var(const char* name);
bool env_is_set(const char* name);
// The temp folder, without a trailing backslash.
std::string temp_dir();
// "a\b" from "a" and "b" (one backslash between them).
std::string join_path(const std::string& folder, const std::string& name);
// The folder part of a path (before its last backslash or slash); empty when there is none.
std::string parent_path(const std::string& path);
// The running executable's full path; empty when it cannot be read.
std::string module_path();
