# F1, a drag across a window with a known pattern, Ctrl+C: the clipboard's image is the dragged
# rectangle (both corners included) with the screen's pixels, and the overlay is gone.
e2e_write_settings 'capture_detect=window\r\n'
e2e_start_program
e2e_show_pattern 300 200 400 300
e2e_helper screen-bmp "$(e2e_win_path "$E2E_DIR/before.bmp")" || e2e_fail "no screenshot"

e2e_capture 1
# Right to left and bottom to top: the same rectangle as the other way round.
e2e_drag 500 350 350 250
e2e_key ctrl+c
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Ctrl+C left the overlay on screen"
size=$(e2e_helper clip-dib "$(e2e_win_path "$E2E_DIR/clip.bmp")") || e2e_fail "no image on the clipboard: $size"
[ "$size" = "151 101" ] || e2e_fail "the clipboard's image is $size, not 151 101"
differing=$(e2e_compare_crop "$E2E_DIR/clip.bmp" "$E2E_DIR/before.bmp" 151x101+350+250)
[ "$differing" = 0 ] || e2e_fail "$differing pixels of the copy differ from the screen"
# The copy went to the history folder too.
e2e_wait_until 10 "a history file" e2e_history_count 1
