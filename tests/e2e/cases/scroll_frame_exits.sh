# Every way out of a scrolling capture and a recording leaves the program ready for the next:
# WM_CLOSE on the frame and Alt+F4 on the strip cancel the scrolling capture; the pin hotkey (F3,
# which reaches the main window, not the strip) pins it; WM_CLOSE cancels a recording and leaves
# no file; the capture hotkey stops a recording and keeps it. After each, F1 opens a capture.
. "$here/tests/e2e/scroll_target/scroll_cases.sh"
saves="$E2E_DIR/saves"
mkdir -p "$saves" "$(dirname "$E2E_SETTINGS")"
printf 'capture_detect=window\r\nrecord_format=gif\r\nsave_dir=%s\r\n' "$(e2e_win_path "$saves")" >"$E2E_SETTINGS"
e2e_start_program
scroll_start_target

captures=0 sessions=0
scroll_session() {
  captures=$((captures + 1)) sessions=$((sessions + 1))
  e2e_capture "$captures"
  e2e_drag 272 160 699 559
  e2e_key s
  e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "S left the overlay on screen"
  e2e_wait_log "scroll: region 272,160 428x400" "$sessions" 20
  e2e_helper wait-window OrmickOxelFrame 10000 --visible >/dev/null || e2e_fail "no frame for session $sessions"
}
frame_gone() {
  e2e_helper wait-gone OrmickOxelFrame 10000 >/dev/null || e2e_fail "$1 left a frame window: $(e2e_helper windows OrmickOxelFrame)"
}

scroll_session
e2e_helper close OrmickOxelFrame >/dev/null || e2e_fail "cannot close the frame"
frame_gone "WM_CLOSE"

scroll_session
[ "$(e2e_helper foreground | cut -d' ' -f1)" = "OrmickOxelFrame" ] || e2e_fail "the strip is not in front"
e2e_send_keys 0x12+0x73  # Alt+F4
frame_gone "Alt+F4"
e2e_history_count 0 || e2e_fail "a cancelled capture went to the history"

scroll_session
e2e_key F3
e2e_wait_log "hotkey 2" 1 10
frame_gone "F3"
e2e_helper wait-window OrmickOxelPin 10000 --visible >/dev/null || e2e_fail "F3 pinned nothing"
e2e_poll 10 e2e_history_count 1 || e2e_fail "the pinned capture is not in the history"

gifs() { find "$saves" -name '*.gif' | wc -l; }
records=0
record() {
  captures=$((captures + 1)) records=$((records + 1))
  e2e_capture "$captures"
  e2e_drag 100 100 499 399
  e2e_key v
  e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "V left the overlay on screen"
  e2e_wait_log "record start 400x300" "$records" 20
  e2e_helper wait-window OrmickOxelFrame 10000 --visible >/dev/null || e2e_fail "no frame for recording $records"
}
record
e2e_helper close OrmickOxelFrame >/dev/null || e2e_fail "cannot close the recording's frame"
e2e_wait_log "record cancel" 1 10
frame_gone "WM_CLOSE on a recording"
record
e2e_key F1
e2e_wait_log "record stop" 1 10
frame_gone "F1 on a recording"
e2e_wait_log "balloon: Recording saved | " 1 30
[ "$(gifs)" -eq 1 ] || e2e_fail "$(gifs) recordings kept, not 1: $(find "$saves" -name '*.gif')"

e2e_capture $((captures + 1))
e2e_key Escape
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Esc left the last capture on screen"
