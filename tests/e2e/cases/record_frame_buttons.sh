# The region frame's buttons, clicked with the mouse during "--record-test ... 30 gif":
# Cancel ends the recording at once and leaves no file; a press on Cancel released on Stop
# counts as Stop (only the button under the release acts) and keeps the file.
desktop_window() { xdotool search --name "^$E2E_DESKTOP - Wine desktop\$" 2>/dev/null | head -1; }

# The strip is the frame window below the recorded rectangle (0,0 to 640,480).
strip_rect() {
  e2e_helper windows OrmickOxelFrame --visible | awk '$1 == "OrmickOxelFrame" && $3 >= 482 { print $2, $3, $4, $5 }' | head -1
}

runs=0
record_and_click() {
  local report="$1"
  shift
  runs=$((runs + 1))
  e2e_start --record-test 0,0,640,480 30 gif --out "$(e2e_win_path "$report")"
  e2e_wait_log "record start" "$runs"
  local rect=""
  e2e_poll 20 eval 'rect=$(strip_rect); [ -n "$rect" ]' || e2e_fail "no strip window"
  read -r L T R B <<<"$rect"
  echo "strip $L $T $R $B"
  local id
  id=$(desktop_window)
  [ -n "$id" ] || e2e_fail "no desktop window"
  "$@"
  e2e_poll 20 test -s "$report" || e2e_fail "no report after the click"
  cat "$report"; echo
}

# Cancel is the first button, 176 px in; Stop is the last, its right edge 6 px from the strip's.
click_cancel() { xdotool mousemove --window "$id" $((L + 190)) $((T + 21)) click 1; }
press_cancel_release_stop() {
  xdotool mousemove --window "$id" $((L + 190)) $((T + 21)) mousedown 1 \
    mousemove --window "$id" $((R - 12)) $((T + 21)) mouseup 1
}

record_and_click "$E2E_DIR/cancel.txt" click_cancel
grep -qx 'Err("cancelled")' "$E2E_DIR/cancel.txt" || e2e_fail "Cancel did not cancel"
e2e_wait_log "record cancel"
e2e_helper wait-gone OrmickOxelFrame 10000 >/dev/null || e2e_fail "the frame stayed after Cancel"
left=$(find "$E2E_DIR/home" -name '*.gif')
[ -z "$left" ] || e2e_fail "Cancel left a file: $left"

record_and_click "$E2E_DIR/stop.txt" press_cancel_release_stop
grep -qE '^Ok\(".*\.gif"\)$' "$E2E_DIR/stop.txt" || e2e_fail "release on Stop did not stop and keep"
[ "$(find "$E2E_DIR/home" -name '*.gif' | wc -l)" -eq 1 ] || e2e_fail "Stop did not keep exactly one file"
