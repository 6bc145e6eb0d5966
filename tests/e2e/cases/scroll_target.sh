# The scroll target that scrolling-capture cases scroll: on screen it shows exactly the picture
# its document header describes, one wheel notch scrolls it 40 rows, and it stops at either end.
TARGET="$(dirname "$E2E_EXE")/scroll-target.exe"
[ -f "$TARGET" ] || e2e_fail "missing $TARGET"
STATE="$E2E_DIR/target-state.txt"
e2e_launch "$TARGET" --at 100 120 --state "$(e2e_win_path "$STATE")" &
E2E_PIDS+=($!)
e2e_helper wait-window OxelScrollTarget 20000 --visible >/dev/null || e2e_fail "the scroll target did not open"
read -r _ left top right bottom _ < <(e2e_helper windows OxelScrollTarget --visible)
[ "$left $top $right $bottom" = "100 120 740 600" ] || e2e_fail "the target is at $left,$top-$right,$bottom"

# Frames the target would paint at a position, and what the screen shows of its client area.
frame() {
  e2e_wine "$TARGET" --frame "$(e2e_win_path "$E2E_DIR/frame-$1.bmp")" "$1" 2>>"$E2E_DIR/wine.out" &&
    convert "$E2E_DIR/frame-$1.bmp" -alpha off "$E2E_DIR/frame-$1.png"
}
differing=""
shows() {
  import -window root "$E2E_DIR/shot.png" || return 1
  convert "$E2E_DIR/shot.png" -crop 640x480+100+120 +repage -alpha off "$E2E_DIR/client.png" || return 1
  differing=$(compare -metric AE "$E2E_DIR/client.png" "$E2E_DIR/frame-$1.png" null: 2>&1)
  [ "$differing" = 0 ]
}
at() { grep -qx "scroll $1" "$STATE" 2>/dev/null; }

check_at() {
  e2e_poll 10 at "$1" || e2e_fail "the target is not at $1 but $(cat "$STATE" 2>/dev/null)"
  frame "$1" || e2e_fail "cannot write the frame at $1"
  e2e_poll 10 shows "$1" || e2e_fail "at $1 the screen differs from the target's picture in $differing pixels"
}

e2e_focus_desktop
xdotool mousemove 420 360
check_at 0
xdotool click 5
check_at 40
xdotool click 5
xdotool click 5
check_at 120
xdotool click 4
check_at 80
# Far past the end it stops at the last position (document rows less the view).
for i in $(seq 1 80); do xdotool click 5; done
check_at 2572
xdotool click 4
check_at 2532

# The whole document with its header and footer, for comparing a stitched capture.
e2e_wine "$TARGET" --expected "$(e2e_win_path "$E2E_DIR/expected.bmp")" 2>>"$E2E_DIR/wine.out" || e2e_fail "no expected picture"
[ "$(identify -format '%wx%h' "$E2E_DIR/expected.bmp")" = "544x3052" ] || e2e_fail "the expected picture has the wrong size"
