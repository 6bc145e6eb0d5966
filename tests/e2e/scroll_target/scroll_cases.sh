# Sourced by the scrolling-capture cases: the scroll target at 100,120 and the comparison of a
# stitched PNG with the target's document.
SCROLL_TARGET="$(dirname "$E2E_EXE")/scroll-target.exe"
SCROLL_STATE="$E2E_DIR/target-state.txt"

scroll_start_target() {
  [ -f "$SCROLL_TARGET" ] || e2e_fail "missing $SCROLL_TARGET"
  e2e_launch "$SCROLL_TARGET" --at 100 120 --state "$(e2e_win_path "$SCROLL_STATE")" &
  E2E_PIDS+=($!)
  e2e_helper wait-window OxelScrollTarget 20000 --visible >/dev/null || e2e_fail "the scroll target did not open"
  e2e_poll 10 grep -qx "scroll 0" "$SCROLL_STATE" || e2e_fail "the scroll target wrote no state"
}

# The PNG equals the target's document pane with header and footer, pixel for pixel.
scroll_expect_document() {
  local png="$1"
  [ -s "$png" ] || e2e_fail "no image at $png"
  wine "$SCROLL_TARGET" --expected "$(e2e_win_path "$E2E_DIR/expected.bmp")" 2>>"$E2E_DIR/wine.out" ||
    e2e_fail "no expected picture"
  convert "$E2E_DIR/expected.bmp" -alpha off "$E2E_DIR/expected.png" || e2e_fail "cannot convert the expected picture"
  local got want
  got=$(identify -format '%wx%h' "$png")
  want=$(identify -format '%wx%h' "$E2E_DIR/expected.png")
  [ "$got" = "$want" ] || e2e_fail "the image is $got, the document $want"
  local differing
  differing=$(compare -metric AE "$png" "$E2E_DIR/expected.png" null: 2>&1)
  [ "$differing" = 0 ] || e2e_fail "the image differs from the document in $differing pixels"
}
