# F1, a drag over part of the scroll target's document (inside it on every side), S, F1 again
# (nothing happens to the session), Space for auto-scroll, Enter once the end is stitched: the
# clipboard holds the document under the selection from its first row to the last, row for row,
# and the balloon says its size. Wine cannot keep the frame out of grabs, and the ring, strip and
# preview all lie on the target's window here: none of them may show in the image.
. "$here/tests/e2e/scroll_target/scroll_cases.sh"
e2e_write_settings 'capture_detect=window\r\n'
e2e_start_program
scroll_start_target
e2e_wine "$SCROLL_TARGET" --expected "$(e2e_win_path "$E2E_DIR/expected.bmp")" 2>>"$E2E_DIR/wine.out" ||
  e2e_fail "no expected picture"

# The target's client area is (100, 120) to (740, 600); its document pane starts 72 columns in,
# its view 32 rows down. The selection keeps the pane's columns 100 to 528 and the view's rows
# 8 to 408: at the end (scrolled by 2572) the document's rows 8 to 2980.
e2e_capture 1
e2e_drag 272 160 699 559
e2e_key s
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "S left the overlay on screen"
e2e_wait_log "scroll: region 272,160 428x400, tracking 272,160 428x400" 1 20
grep -q "scroll: the frame shows in grabs" "$E2E_LOG" || e2e_fail "the frame's place in grabs went unseen"
e2e_helper wait-window OrmickOxelFrame 10000 --visible >/dev/null || e2e_fail "no region frame"
[ "$(e2e_helper foreground | cut -d' ' -f1,2)" = "OrmickOxelFrame OrmickOxelFrame" ] ||
  e2e_fail "the strip does not have the keyboard: $(e2e_helper foreground)"
# The capture hotkey while the session runs: no capture opens over it, the session goes on.
e2e_key F1
e2e_wait_log "hotkey 1" 1 10
# Wine gives the strip, a tool window, no X focus, so xdotool's keys would reach the target:
# the keys go through SendInput to the window that has the keyboard. Auto-scroll moves the
# pointer to the selection's middle; it is put there first, because after Wine's warp the
# wheel notches still go to the window under the pointer's old place.
e2e_mouse_to 486 360
e2e_send_keys 0x20  # Space
e2e_poll 60 grep -qx "scroll 2572" "$SCROLL_STATE" || e2e_fail "auto-scroll did not reach the end: $(cat "$SCROLL_STATE")"
e2e_wait_log " x 2972" 1 20  # every row stitched
e2e_send_keys 0x0D  # Enter
e2e_wait_log "balloon: Scrolling capture copied | 428 × 2972" 1 20
e2e_helper wait-gone OrmickOxelFrame 10000 >/dev/null || e2e_fail "Enter left the frame on screen"
grep -q "Lost" "$E2E_LOG" && e2e_fail "a frame was lost"
[ "$(e2e_log_count "(ms since trigger)")" -eq 1 ] || e2e_fail "F1 opened a capture over the session"
size=$(e2e_helper clip-dib "$(e2e_win_path "$E2E_DIR/clip.bmp")") || e2e_fail "no image on the clipboard: $size"
[ "$size" = "428 2972" ] || e2e_fail "the clipboard's image is $size, not 428 2972"
differing=$(e2e_compare_crop "$E2E_DIR/clip.bmp" "$E2E_DIR/expected.bmp" 428x2972+100+40)
[ "$differing" = 0 ] || e2e_fail "the copy differs from the document in $differing pixels"
