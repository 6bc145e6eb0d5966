# F1 freezes the desktop dimmed in the overlay, a second F1 while it shows starts nothing,
# and Esc gives the desktop back untouched.
mkdir -p "$(dirname "$E2E_SETTINGS")"
printf 'capture_detect=window\r\n' >"$E2E_SETTINGS"  # an existing file: no first-run balloon
e2e_start
e2e_wait_log "message loop" 1 60
e2e_wait_main
sleep 1

mean_grey() { convert "$1" -colorspace gray -format '%[fx:mean*255]' info:; }

import -window root "$E2E_DIR/before.png" || e2e_fail "no screenshot"
e2e_key F1
e2e_wait_log "(ms since trigger)"
e2e_helper wait-window OrmickOxelOverlay 5000 --visible >/dev/null || e2e_fail "the overlay is not shown"
sleep 0.5
e2e_key F1
e2e_wait_log "] hotkey " 2
sleep 0.5
[ "$(e2e_log_count "(ms since trigger)")" -eq 1 ] || e2e_fail "a second F1 started another session"
grep -F "(ms since trigger)" "$E2E_LOG" | grep -qF " element " && e2e_fail "window detection sent an element query"

import -window root "$E2E_DIR/during.png" || e2e_fail "no screenshot"
before=$(mean_grey "$E2E_DIR/before.png")
during=$(mean_grey "$E2E_DIR/during.png")
echo "mean grey before $before, with the overlay $during"
awk -v b="$before" -v d="$during" 'BEGIN { exit !(b > 20 && d > b / 2 - 2 && d < b / 2 + 1) }' \
  || e2e_fail "the overlay is not the desktop dimmed by half (before $before, during $during)"

e2e_key Escape
e2e_helper wait-gone OrmickOxelOverlay 5000 >/dev/null || e2e_fail "Esc left the overlay on screen"
sleep 0.5
import -window root "$E2E_DIR/after.png" || e2e_fail "no screenshot"
differing=$(compare -metric AE "$E2E_DIR/before.png" "$E2E_DIR/after.png" null: 2>&1)
[ "$differing" = 0 ] || e2e_fail "after Esc $differing pixels differ from the desktop before the capture"

# The kept overlay serves the next capture.
e2e_key F1
e2e_wait_log "(ms since trigger)" 2
e2e_helper wait-window OrmickOxelOverlay 5000 --visible >/dev/null || e2e_fail "the second capture is not shown"
e2e_key Escape
e2e_helper wait-gone OrmickOxelOverlay 5000 >/dev/null || e2e_fail "Esc left the second overlay on screen"
