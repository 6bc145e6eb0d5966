# --settings opens one settings window and a second --settings brings the same one back; a key
# another program holds is named beside its box; Tab moves between controls while Ctrl+Tab stays
# in a hotkey box, which takes the keys pressed in it; Esc closes without writing.
held="$E2E_DIR/held.txt"
# Ctrl+Alt+H, held until the case's teardown ends the helper.
e2e_start_helper --out "$(e2e_win_path "$held")" hold-hotkey 0x48 3 0
e2e_wait_until 20 "the helper could not hold Ctrl+Alt+H" grep -qs held "$held"

e2e_write_settings 'capture_hotkey=F1\r\npin_hotkey=F3\r\ncapture_copy_hotkey=Ctrl+Alt+H\r\n'
before=$(sha1sum <"$E2E_SETTINGS")

control() { e2e_helper control-text OrmickOxelPrefs "$1"; }
expect_text() {
  local got
  got=$(control "$1")
  [ "$got" = "$2" ] || e2e_fail "control $1 shows \"$got\", expected \"$2\""
}
focus_is() { [ "$(e2e_helper focus OrmickOxelPrefs)" = "$1" ]; }
text_is() { [ "$(control "$1")" = "$2" ]; }

e2e_start --settings
e2e_wait_main
e2e_helper wait-window OrmickOxelPrefs 20000 --visible >/dev/null || e2e_fail "--settings opened no window"
e2e_wait_log "hotkeys registered: F1, F3; in use: Ctrl+Alt+H"
e2e_wait_log "prefs window: dpi 96"
expect_text 100 "F1"
expect_text 101 "Ctrl+Alt+H"
expect_text 102 "F3"
expect_text 110 ""
expect_text 111 "Used by another program"
expect_text 112 ""   # the program's own F3 is not someone else's
e2e_wait_until 10 "the focus is not on Save" focus_is 1

e2e_start --settings   # a second launch hands its switch over
e2e_wait_log "prefs window: brought to the front"
[ "$(e2e_helper windows OrmickOxelPrefs | wc -l)" -eq 1 ] || e2e_fail "more than one settings window"

e2e_key Tab
e2e_wait_until 10 "Tab did not move to Cancel" focus_is 2
e2e_key Tab
e2e_wait_until 10 "Tab did not wrap round to the capture box" focus_is 100
e2e_key ctrl+Tab
sleep 0.5
focus_is 100 || e2e_fail "Ctrl+Tab left the hotkey box"

# The pin key typed into the capture box: it reaches the box (the program let its hotkeys go)
# and both boxes say they are the same.
e2e_key F3
e2e_wait_until 10 "F3 did not reach the capture box" text_is 100 "F3"
expect_text 110 'Same as "Pin clipboard image"'
expect_text 112 'Same as "Capture"'
[ "$(e2e_log_count "] hotkey 2")" -eq 0 ] || e2e_fail "F3 in the box pinned the clipboard"
e2e_key shift+a
e2e_wait_until 10 "Shift+A was not refused" text_is 110 "Add Ctrl, Alt or Win"
expect_text 100 "F3"
e2e_key BackSpace
e2e_wait_until 10 "Backspace did not clear the box" text_is 100 ""
expect_text 110 ""
expect_text 112 ""

e2e_key Escape
e2e_helper wait-gone OrmickOxelPrefs 10000 >/dev/null || e2e_fail "Esc left the window open"
e2e_wait_log "prefs window closed"
[ "$(sha1sum <"$E2E_SETTINGS")" = "$before" ] || e2e_fail "Esc changed settings.ini"
e2e_wait_log "hotkeys registered: F1, F3; in use: Ctrl+Alt+H" 2
