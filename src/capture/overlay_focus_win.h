#pragma once
// The overlay keeps the keyboard while its session is open. Another program that takes the
// foreground meanwhile (a late activation of its own, Wine's desktop handing the focus back)
// gets it taken back, and the capture hotkey brings a session that lost it to the front, so a
// frozen screen never sits there ignoring the user.
#include <windows.h>

// WM_ACTIVATE (inactive) or WM_ACTIVATEAPP (FALSE): looks again once the switch is done.
void overlay_lost_activation(HWND overlay);
// WM_APP_OVERLAY_REFOCUS: the foreground back to the overlay when its session is open and another
// program's window has it (our own dialogs over the overlay keep it), a few times per session.
void overlay_take_focus_back(HWND overlay);
// The capture hotkey while a session is open: its overlay to the front when another program
// has the foreground.
void bring_session_forward();
