#include "strings/tables.h"

// English.
const UiStrings UI_STRINGS_EN = {{
    "Segoe UI",  // UI_FONT_FACE
    "Ormick Oxel\n{cap} capture · {pin} pin",  // TRAY_TOOLTIP
    "Capture",  // MENU_CAPTURE
    "Pin clipboard image",  // MENU_PIN_CLIPBOARD
    "Show / hide all pins",  // MENU_SHOW_HIDE_PINS
    "Close all pins",  // MENU_CLOSE_ALL_PINS
    "Restore last closed pin",  // MENU_RESTORE_CLOSED_PIN
    "Start with Windows",  // MENU_START_WITH_WINDOWS
    "Settings…",  // MENU_SETTINGS
    "Reload settings",  // MENU_RELOAD_SETTINGS
    "Open screenshot folder",  // MENU_OPEN_SCREENSHOT_FOLDER
    "Exit",  // MENU_EXIT
    "Pin",  // TOOLBAR_PIN
    "Save",  // TOOLBAR_SAVE
    "Copy",  // TOOLBAR_COPY
    "Cancel",  // TOOLBAR_CANCEL
    "C copy · Shift format",  // MAGNIFIER_HINT
    "Copy\tCtrl+C",  // PIN_MENU_COPY
    "Save as…\tCtrl+S",  // PIN_MENU_SAVE_AS
    "Actual size\tCtrl+0",  // PIN_MENU_ACTUAL_SIZE
    "Opacity",  // PIN_MENU_OPACITY
    "Close\tEsc",  // PIN_MENU_CLOSE
    "Close all pins",  // PIN_MENU_CLOSE_ALL
    "Opacity",  // OPACITY_CAPTION
    "Ormick Oxel is running",  // BALLOON_RUNNING_TITLE
    "{cap} to capture, {pin} to pin the clipboard image. Right-click the tray icon for the menu.",  // BALLOON_RUNNING_TEXT
    "Hotkey in use",  // BALLOON_HOTKEY_IN_USE_TITLE
    "{keys} is used by another program (for example another screenshot tool). Close it and choose \"Reload settings\" in the tray menu, or pick another key in Settings.",  // BALLOON_HOTKEY_IN_USE_TEXT
    "No image on the clipboard",  // NO_IMAGE_ON_CLIPBOARD
    "Saved",  // SAVED
    "Save failed",  // SAVE_FAILED
    "PNG image (*.png)",  // FILTER_PNG
    "Rectangle",  // TOOL_RECTANGLE
    "Ellipse",  // TOOL_ELLIPSE
    "Arrow",  // TOOL_ARROW
    "Line / polyline",  // TOOL_LINE
    "Pen",  // TOOL_PEN
    "Highlighter",  // TOOL_HIGHLIGHTER
    "Mosaic",  // TOOL_MOSAIC
    "Text",  // TOOL_TEXT
    "Number",  // TOOL_NUMBER
    "Spotlight",  // TOOL_SPOTLIGHT
    "Eraser",  // TOOL_ERASER
    "Undo",  // TOOL_UNDO
    "Redo",  // TOOL_REDO
    "Done",  // TOOL_DONE
    "Custom color",  // TOOL_CUSTOM_COLOR
    "Fill",  // STYLE_FILL
    "Box",  // STYLE_BOX
    "Blur",  // STYLE_BLUR
    "Outline",  // STYLE_OUTLINE
    "Discard your annotations?",  // CONFIRM_DISCARD_ANNOTATIONS
    "Annotate\tSpace",  // PIN_MENU_ANNOTATE
    "Hide annotations",  // PIN_MENU_HIDE_ANNOTATIONS
    "Show annotations",  // PIN_MENU_SHOW_ANNOTATIONS
    "Recognize text",  // TOOLBAR_RECOGNIZE_TEXT
    "Recognized text — Ormick Oxel",  // OCR_WINDOW_TITLE
    "Copy and close",  // OCR_COPY_AND_CLOSE
    "Close",  // OCR_CLOSE
    "Keep line breaks",  // OCR_KEEP_LINE_BREAKS
    "No text found",  // OCR_NO_TEXT
    "Text recognition failed",  // OCR_FAILED
    "Recognize text\tO",  // PIN_MENU_RECOGNIZE_TEXT
    "Image",  // PIN_MENU_IMAGE
    "Rotate left",  // PIN_MENU_ROTATE_LEFT
    "Rotate right",  // PIN_MENU_ROTATE_RIGHT
    "Flip horizontally",  // PIN_MENU_FLIP_H
    "Flip vertically",  // PIN_MENU_FLIP_V
    "Grayscale",  // PIN_MENU_GRAYSCALE
    "Invert colors",  // PIN_MENU_INVERT
    "Thumbnail\tShift+double-click",  // PIN_MENU_THUMBNAIL
    "Lock position and size",  // PIN_MENU_LOCK
    "Click-through",  // PIN_MENU_CLICK_THROUGH
    "Print…",  // PIN_MENU_PRINT
    "Capture in 3 seconds",  // MENU_CAPTURE_DELAYED
    "Capture and copy",  // MENU_CAPTURE_COPY
    "History",  // MENU_HISTORY
    "Pin last capture",  // MENU_PIN_LAST_CAPTURE
    "Open history folder",  // MENU_OPEN_HISTORY_FOLDER
    "Turn off click-through on all pins",  // MENU_CLICK_THROUGH_OFF_ALL
    "JPEG image (*.jpg)",  // FILTER_JPEG
    "PDF document (*.pdf)",  // FILTER_PDF
    "No capture history yet",  // HISTORY_EMPTY
    "Element",  // DETECT_ELEMENT_LABEL
    "en",  // LANG_CODE
    "Scrolling capture",  // TOOLBAR_SCROLL_CAPTURE
    "Record",  // TOOLBAR_RECORD
    "QR code",  // TOOLBAR_QR
    "Hide personal data",  // TOOLBAR_REDACT
    "No personal data found (emails, phone, ID and card numbers, passwords…)",  // REDACT_NOTHING_FOUND
    "Language",  // OCR_LANGUAGE_LABEL
    "Automatic (all installed languages)",  // OCR_LANGUAGE_AUTO
    "Add a language…",  // OCR_ADD_LANGUAGE
    "Recognizing…",  // OCR_RECOGNIZING
    "Live pin",  // TOOLBAR_LIVE_PIN
    "Scroll down (or press Auto-scroll)",  // SCROLL_HINT
    "Auto-scroll",  // SCROLL_AUTO
    "Auto-scrolling; move the mouse away to stop",  // SCROLL_AUTO_RUNNING
    "Reached the end",  // SCROLL_END_REACHED
    "Maximum length reached",  // SCROLL_MAX_LENGTH
    "Scrolled too fast, scroll back a little",  // SCROLL_TOO_FAST
    "Scrolling capture copied",  // SCROLL_COPIED
    "Recording",  // RECORD_RECORDING
    "■ Stop",  // RECORD_STOP_BUTTON
    "Recording saved",  // RECORD_SAVED
    "The file is on the clipboard, ready to paste",  // RECORD_ON_CLIPBOARD
    "Recording failed",  // RECORD_FAILED
    "Stop recording",  // MENU_STOP_RECORDING
    "QR code — Ormick Oxel",  // QR_WINDOW_TITLE
    "No QR code found",  // QR_NOT_FOUND
    "Open link",  // OPEN_LINK
    "Translate",  // TRANSLATE
    "Text too long: copied, paste it into the translation page",  // TRANSLATE_TEXT_TOO_LONG
    "Copy current view\tCtrl+C",  // LIVE_MENU_COPY_VIEW
    "Turn into a normal pin (stop updating)",  // LIVE_MENU_MAKE_STATIC
    "Pick a region inside a window for a live pin",  // LIVE_PIN_HINT
    "Ormick Oxel Settings",  // PREFS_TITLE
    "Hotkeys",  // PREFS_HOTKEYS
    "Click a box, then press the new key combination. Backspace clears it (off).",  // PREFS_HOTKEY_HINT
    "(none)",  // PREFS_HOTKEY_NONE
    "Press keys…",  // PREFS_HOTKEY_PRESS_KEYS
    "Used by another program",  // PREFS_HOTKEY_IN_USE
    "Same as \"{name}\"",  // PREFS_HOTKEY_SAME_AS
    "Add Ctrl, Alt or Win",  // PREFS_HOTKEY_NEED_MODIFIER
    "General",  // PREFS_GENERAL
    "Save folder",  // PREFS_SAVE_FOLDER
    "Pictures (default)",  // PREFS_SAVE_FOLDER_DEFAULT
    "Browse…",  // PREFS_BROWSE
    "Keep recent captures",  // PREFS_HISTORY
    "(0 = off)",  // PREFS_HISTORY_OFF_HINT
    "Low-memory capture (GDI: ~30 MB less RAM, each capture ~60 ms slower)",  // PREFS_LOW_MEMORY
    "Auto-select",  // PREFS_DETECT_AUTO
    "Whole windows",  // PREFS_DETECT_WINDOWS
    "UI elements inside",  // PREFS_DETECT_ELEMENTS
    "Tab switches it",  // PREFS_DETECT_TAB_HINT
    "Format",  // PREFS_RECORD_FORMAT
    "Frames per second",  // PREFS_RECORD_FPS
    "(GIF at most 15)",  // PREFS_RECORD_FPS_HINT
    "Draw the mouse pointer",  // PREFS_RECORD_CURSOR
    "Translate into",  // PREFS_TRANSLATE_INTO
    "Same as the interface",  // PREFS_TRANSLATE_SAME_AS_UI
    "Edit settings file…",  // PREFS_EDIT_FILE
    "No text recognition language is installed. Add one in Windows' language settings.",  // OCR_NO_LANGUAGE
    "The image is too large for text recognition.",  // OCR_IMAGE_TOO_LARGE
    "The live pin could not be made: {name}",  // LIVE_PIN_FAILED
    "Copy failed",  // COPY_FAILED
    "Another program is using the clipboard. Try again.",  // CLIPBOARD_BUSY
    "\"Start with Windows\" could not be changed",  // AUTOSTART_FAILED
    "Print failed",  // PRINT_FAILED
    "Settings file could not be read",  // SETTINGS_READ_FAILED
    "No frame was recorded",  // RECORD_NO_FRAME
    "The result window could not be opened",  // RESULT_WINDOW_FAILED
    "The text is on the clipboard, ready to paste",  // TEXT_ON_CLIPBOARD
    "Capture failed",  // CAPTURE_FAILED
    "Not enough memory for the screen images: close some programs and try again",  // CAPTURE_NO_MEMORY
    "The image is too large to pin ({name}). Images of up to 268 million pixels can be pinned.",  // PIN_IMAGE_TOO_LARGE
    "Hotkey not working",  // HOTKEY_PROBLEM_TITLE
    "{name}={keys} in settings.ini is not a key combination, so that hotkey is off.",  // HOTKEY_NOT_A_KEY
    "\"{name}\" and \"{other}\" are both set to {keys}: only \"{name}\" works.",  // HOTKEY_SAME_KEY
    "Capture not kept in the history",  // HISTORY_NOT_KEPT
    "Copy, save and pin still work, but captures are not kept in the history until it can be written again.",  // HISTORY_NOT_KEPT_TEXT
    "MP4 recording needs Windows Media Foundation, which is not installed (on Windows N and KN editions, add the Media Feature Pack). GIF recording works without it.",  // RECORD_NEEDS_MEDIA_FOUNDATION
}};
