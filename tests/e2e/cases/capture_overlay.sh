# F1 freezes the desktop dimmed in the overlay, a second F1 while it shows starts nothing,
# and Esc gives the desktop back untouched. Screenshots are taken again until what they
# should show is on the display.
e2e_write_settings 'capture_detect=window\r\n'  # an existing file: no first-run balloon
e2e_start_program

shot() { import -window root "$1"; }
mean_grey() { convert "$1" -colorspace gray -format '%[fx:mean*255]' info:; }
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1; }

# The desktop before the capture: two screenshots in a row alike, so nothing is still drawn.
desktop_settled() {
  shot "$E2E_DIR/before.png" || return 1
  if [ -f "$E2E_DIR/previous.png" ] && [ "$(differing_pixels "$E2E_DIR/previous.png" "$E2E_DIR/before.png")" = 0 ]; then
    return 0
  fi
  mv "$E2E_DIR/before.png" "$E2E_DIR/previous.png"
  return 1
}
e2e_poll 30 desktop_settled || e2e_fail "the desktop kept changing before the capture"
before=$(mean_grey "$E2E_DIR/before.png")

e2e_key F1
e2e_wait_log "(ms since trigger)"
e2e_helper wait-window OrmickOxelOverlay 5000 --visible >/dev/null || e2e_fail "the overlay is not shown"

# Every channel halved: the mean grey is half the desktop's, give or take the rounding.
during=""
desktop_dimmed() {
  shot "$E2E_DIR/during.png" || return 1
  during=$(mean_grey "$E2E_DIR/during.png")
  awk -v b="$before" -v d="$during" 'BEGIN { exit !(b > 20 && d > b / 2 - 2 && d < b / 2 + 1) }'
}
e2e_poll 30 desktop_dimmed || e2e_fail "the overlay is not the desktop dimmed by half (before $before, during $during)"
echo "mean grey before $before, with the overlay $during"

e2e_key F1
e2e_wait_log "] hotkey " 2
# The UI thread takes the Esc only after it has handled that F1: a second session would be
# logged by the time the overlay is gone.
e2e_key Escape
e2e_helper wait-gone OrmickOxelOverlay 5000 >/dev/null || e2e_fail "Esc left the overlay on screen"
[ "$(e2e_log_count "(ms since trigger)")" -eq 1 ] || e2e_fail "a second F1 started another session"
grep -F "(ms since trigger)" "$E2E_LOG" | grep -qF " element " && e2e_fail "window detection sent an element query"

differing=""
desktop_back() {
  shot "$E2E_DIR/after.png" || return 1
  differing=$(differing_pixels "$E2E_DIR/before.png" "$E2E_DIR/after.png")
  [ "$differing" = 0 ]
}
e2e_poll 30 desktop_back || e2e_fail "after Esc $differing pixels differ from the desktop before the capture"

# The kept overlay serves the next capture.
e2e_key F1
e2e_wait_log "(ms since trigger)" 2
e2e_helper wait-window OrmickOxelOverlay 5000 --visible >/dev/null || e2e_fail "the second capture is not shown"
e2e_key Escape
e2e_helper wait-gone OrmickOxelOverlay 5000 >/dev/null || e2e_fail "Esc left the second overlay on screen"
