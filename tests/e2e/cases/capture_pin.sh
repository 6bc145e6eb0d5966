# F1, a drag and P: a pin shows the selection's pixels where they were on the screen, its
# one-pixel border just outside. Space opens it in the overlay; a rectangle drawn there and
# Enter (Done) put the rectangle into the pin at the place it was drawn. Shift+P asks for a
# live pin, which Wine cannot show: the overlay closes, no window is left behind, and the log
# and a balloon say why.
e2e_write_settings 'capture_detect=window\r\n'
e2e_start_program
e2e_show_pattern 300 200 400 300
e2e_helper screen-bmp "$(e2e_win_path "$E2E_DIR/before.bmp")" || e2e_fail "no screenshot"

pin_rect() { e2e_helper windows OrmickOxelPin --visible | awk '{print $2, $3, $4, $5}'; }
screen_differs() {  # X Y W H: pixels of the screen there that differ from before the pin
  e2e_helper screen-bmp "$(e2e_win_path "$E2E_DIR/now.bmp")" "$@" || return 1
  e2e_compare_crop "$E2E_DIR/now.bmp" "$E2E_DIR/before.bmp" "${3}x${4}+${1}+${2}"
}
red_on_screen() {  # X Y
  e2e_helper screen-bmp "$(e2e_win_path "$E2E_DIR/px.bmp")" "$1" "$2" 1 1 || return 1
  convert "$E2E_DIR/px.bmp" -format '%[fx:int(255*p{0,0}.r)] %[fx:int(255*p{0,0}.g)]' info: |
    awk '{ exit !($1 > 200 && $2 < 110) }'
}

e2e_capture 1
e2e_drag 320 220 619 419
e2e_key p
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "P left the overlay on screen"
e2e_helper wait-window OrmickOxelPin 10000 --visible >/dev/null || e2e_fail "P made no pin"
[ "$(pin_rect)" = "319 219 621 421" ] || e2e_fail "the pin is at $(pin_rect), not 319 219 621 421"
differing=""
pin_shows_selection() { differing=$(screen_differs 320 220 300 200); [ "$differing" = 0 ]; }
e2e_poll 10 pin_shows_selection || e2e_fail "$differing pixels of the pin differ from the selection"
e2e_wait_until 10 "the pin's history file" e2e_history_count 1

# The pin edit: Space on the pin, a rectangle, Done.
e2e_click 400 300
e2e_key space
e2e_wait_log "(ms since trigger)" 2
e2e_helper wait-window OrmickOxelOverlay 10000 --visible >/dev/null || e2e_fail "Space opened no pin edit"
e2e_key r
e2e_drag 350 250 450 330
e2e_key Return
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Done left the overlay on screen"
e2e_helper wait-window OrmickOxelPin 10000 --visible >/dev/null || e2e_fail "the pin did not come back"
[ "$(pin_rect)" = "319 219 621 421" ] || e2e_fail "the pin moved to $(pin_rect)"
e2e_poll 10 red_on_screen 350 290 || e2e_fail "no rectangle edge in the pin at (350, 290)"
red_on_screen 400 290 && e2e_fail "the rectangle is filled or misplaced"
# Written back once: the pin's own image still has the pattern beside the rectangle.
[ "$(screen_differs 460 340 100 60)" = 0 ] || e2e_fail "the pin edit changed the pin outside the rectangle"

# Shift+P over a region of a window: the live pin cannot be made under Wine.
e2e_capture 3
e2e_drag 330 230 400 280
e2e_key shift+p
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Shift+P left the overlay on screen"
e2e_wait_log "live pin not made: DwmRegisterThumbnail: "
e2e_wait_log "balloon: Ormick Oxel | The live pin could not be made: DwmRegisterThumbnail: "
e2e_expect_no_window OrmickOxelLive "a live pin window was left behind"
