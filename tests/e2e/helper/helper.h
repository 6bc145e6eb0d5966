#pragma once
// What the helper's command files share: the arguments, the output and the commands that live
// outside oxel_helper.cpp.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using Args = std::vector<std::wstring>;

// One line of output (written at the end of the run).
void emit(const std::string& line);
std::string utf8(std::wstring_view w);
// Argument i as a decimal or 0x-prefixed number; the fallback when missing or not a number.
uint64_t number_arg(const Args& a, size_t i, uint64_t fallback);

// Controls of the program's windows (helper_controls.cpp).
int cmd_control(const Args& a);
int cmd_control_text(const Args& a);
int cmd_combo_items(const Args& a);
int cmd_combo_pick(const Args& a);
int cmd_control_place(const Args& a);
int cmd_client(const Args& a);
int cmd_focus(const Args& a);
