#pragma once
// The notification-area structures the tray builds, separate from the calls that send them.
#include <windows.h>
#include <shellapi.h>

#include <string_view>

#include "main/tray_menu.h"

inline constexpr UINT TRAY_ICON_ID = 1;

// NIM_ADD / NIM_MODIFY data for the icon: message, icon and tooltip (cut to 127 units).
NOTIFYICONDATAW tray_icon_data(HWND window, HICON icon, std::string_view tip);
// NIM_MODIFY data for a tooltip change only.
NOTIFYICONDATAW tray_tip_data(HWND window, std::string_view tip);
// NIM_MODIFY data for a balloon (title 63 units, body 255, NIIF_INFO).
NOTIFYICONDATAW tray_balloon_data(HWND window, std::string_view title, std::string_view body);

// The tooltip with the current hotkey texts.
std::string tray_tooltip();
// A snapshot of what the tray menu shows.
TrayState tray_state();
// Shows the tray menu at the cursor and runs the chosen command.
void show_tray_menu(HWND window);
void run_tray_command(HWND window, uint32_t command);
