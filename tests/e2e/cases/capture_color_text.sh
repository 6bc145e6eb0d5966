# C over a pixel copies its colour as the readout writes it and ends the capture; Shift first
# switches the readout to rgb().
e2e_write_settings 'capture_detect=window\r\n'
e2e_start_program
e2e_show_pattern 300 200 400 300

# The pattern's pixel (100, 100) is (300 mod 256, 300 mod 256, 1400 mod 256) = (44, 44, 120).
e2e_capture 1
e2e_focus_desktop
e2e_mouse_to 400 300
e2e_key c
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "C left the overlay on screen"
text=$(e2e_helper clip-get-text | tr -d '\r')
[ "$text" = "#2C2C78" ] || e2e_fail "C copied \"$text\", not #2C2C78"

e2e_capture 2
e2e_mouse_to 401 300
e2e_key shift c
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Shift, C left the overlay on screen"
text=$(e2e_helper clip-get-text | tr -d '\r')
[ "$text" = "rgb(47, 44, 127)" ] || e2e_fail "Shift, C copied \"$text\", not rgb(47, 44, 127)"
