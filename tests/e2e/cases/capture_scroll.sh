# F1, a drag over part of the scroll target (from inside its document to its right edge, its
# whole height), S, Space for auto-scroll, Enter once the end is stitched: the clipboard holds
# the whole document over the selection's columns, row for row, and the balloon says its size.
# The selection's top, right and bottom are the target's, so that the frame's strip and preview
# (which Wine cannot keep out of grabs) lie outside what is grabbed; the ring's left side shows
# in the grabs inside the document, left of the selection's columns.
. "$here/tests/e2e/scroll_target/scroll_cases.sh"
e2e_write_settings 'capture_detect=window\r\n'
e2e_start_program
scroll_start_target
e2e_wine "$SCROLL_TARGET" --expected "$(e2e_win_path "$E2E_DIR/expected.bmp")" 2>>"$E2E_DIR/wine.out" ||
  e2e_fail "no expected picture"

# The target's client area is (100, 120) to (740, 600); its document pane starts 72 columns in.
# The selection from x 272 keeps the pane's columns from 100 up to its end at 544.
e2e_capture 1
e2e_drag 272 120 739 599
e2e_key s
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "S left the overlay on screen"
e2e_wait_log "scroll: region 272,120 468x480, tracking 100,120 640x480" 1 20
e2e_helper wait-window OrmickOxelFrame 10000 --visible >/dev/null || e2e_fail "no region frame"
[ "$(e2e_helper foreground | cut -d' ' -f1,2)" = "OrmickOxelFrame OrmickOxelFrame" ] ||
  e2e_fail "the strip does not have the keyboard: $(e2e_helper foreground)"
# Wine gives the strip, a tool window, no X focus, so xdotool's keys would reach the target:
# the keys go through SendInput to the window that has the keyboard. Auto-scroll moves the
# pointer to the selection's middle; it is put there first, because after Wine's warp the
# wheel notches still go to the window under the pointer's old place.
e2e_mouse_to 506 360
e2e_send_keys 0x20  # Space
e2e_poll 60 grep -qx "scroll 2572" "$SCROLL_STATE" || e2e_fail "auto-scroll did not reach the end: $(cat "$SCROLL_STATE")"
e2e_wait_log " x 3052" 1 20  # every row stitched
e2e_send_keys 0x0D  # Enter
e2e_wait_log "balloon: Scrolling capture copied | 444 × 3052" 1 20
e2e_helper wait-gone OrmickOxelFrame 10000 >/dev/null || e2e_fail "Enter left the frame on screen"
grep -q "Lost" "$E2E_LOG" && e2e_fail "a frame was lost"
size=$(e2e_helper clip-dib "$(e2e_win_path "$E2E_DIR/clip.bmp")") || e2e_fail "no image on the clipboard"
[ "$size" = "444 3052" ] || e2e_fail "the clipboard's image is $size, not 444 3052"
differing=$(e2e_compare_crop "$E2E_DIR/clip.bmp" "$E2E_DIR/expected.bmp" 444x3052+100+0)
[ "$differing" = 0 ] || e2e_fail "the copy differs from the document in $differing pixels"
