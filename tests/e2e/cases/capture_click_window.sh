# F1 and a click on a window select that window; Enter copies it. Started as capture-and-copy
# (a second launch with --capture-copy), the click alone copies the window.
e2e_write_settings 'capture_detect=window\r\n'
e2e_start_program
e2e_show_pattern 300 200 400 300
e2e_helper screen-bmp "$(e2e_win_path "$E2E_DIR/before.bmp")" || e2e_fail "no screenshot"

e2e_capture 1
# A move of 3 pixels between press and release is still a click.
e2e_focus_desktop
e2e_mouse_to 500 350
xdotool mousedown 1
e2e_mouse_to 503 347
xdotool mouseup 1
e2e_key Return
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Enter left the overlay on screen"
size=$(e2e_helper clip-dib "$(e2e_win_path "$E2E_DIR/clip.bmp")") || e2e_fail "no image on the clipboard: $size"
[ "$size" = "400 300" ] || e2e_fail "the clicked window gave $size, not 400 300"
differing=$(e2e_compare_crop "$E2E_DIR/clip.bmp" "$E2E_DIR/before.bmp" 400x300+300+200)
[ "$differing" = 0 ] || e2e_fail "$differing pixels of the window's copy differ from the screen"

e2e_helper clip-set-text "nothing yet" || e2e_fail "cannot reset the clipboard"
e2e_start --capture-copy
e2e_wait_log "instance command 4"
e2e_wait_log "(ms since trigger)" 2
e2e_helper wait-window OrmickOxelOverlay 10000 --visible >/dev/null || e2e_fail "capture and copy showed no overlay"
e2e_click 420 260
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "the click did not end the capture"
size=$(e2e_helper clip-dib "$(e2e_win_path "$E2E_DIR/clip2.bmp")") || e2e_fail "the click copied nothing"
[ "$size" = "400 300" ] || e2e_fail "capture and copy gave $size, not 400 300"
