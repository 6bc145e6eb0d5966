#pragma once
// Scrolling capture, as far as the main window needs it.

// Whether a scrolling capture session runs (no capture starts meanwhile).
bool scroll_session_active();
