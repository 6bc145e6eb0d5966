#pragma once
// What the helper's command files share: the arguments, the output and the commands that live
// outside oxel_helper.cpp.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

using Args = std::vector<std::wstring>;

// One line of output (written at the end of the run).
void emit(const std::string& line);
std::string utf8(std::wstring_view w);
// Argument i as a decimal or 0x-prefixed number; the fallback when missing or not a number.
uint64_t number_arg(const Args& a, size_t i, uint64_t fallback);
// Emits the line and writes it out at once, for a job that goes on running; later output goes
// to stdout.
void announce(const std::string& line);
bool poll_until(uint64_t timeout_ms, const std::function<bool()>& done);
HWND main_window();
DWORD main_pid();
std::wstring class_of(HWND w);
struct Found {
    HWND window;
    std::wstring cls;
};
// Top-level windows whose class starts with `prefix`.
std::vector<Found> find_windows(const std::wstring& prefix, bool visible_only);
bool open_clipboard();

// Controls of the program's windows (helper_controls.cpp).
int cmd_control(const Args& a);
int cmd_control_text(const Args& a);
int cmd_combo_items(const Args& a);
int cmd_combo_pick(const Args& a);
int cmd_control_place(const Args& a);
int cmd_client(const Args& a);
int cmd_focus(const Args& a);
int cmd_balloons(const Args& a);
int cmd_work_area(const Args& a);
int cmd_children(const Args& a);

// Pictures (helper_screen.cpp).
int cmd_clip_dib(const Args& a);
int cmd_screen_bmp(const Args& a);
int cmd_show_pattern(const Args& a);
int cmd_show_image(const Args& a);
// Mouse and keys sent inside the desktop (helper_input.cpp).
int cmd_drag_copy_bench(const Args& a);
int cmd_capture_copy_soak(const Args& a);
int cmd_click(const Args& a);
int cmd_keys(const Args& a);
// Clipboard content and the screen (helper_clip.cpp).
int cmd_clip_set_files(const Args& a);
int cmd_clip_set_image(const Args& a);
int cmd_clip_set_dib(const Args& a);
int cmd_pixels(const Args& a);
int cmd_dark_count(const Args& a);
// The overlay's floor and its hold on the focus (helper_focus.cpp).
int cmd_floor_bench(const Args& a);
int cmd_focus_hold(const Args& a);
