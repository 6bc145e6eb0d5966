# The overlay shows the magnifier beside the pointer: a lens with a white border 20 pixels right
# of and below it, over the dark readout band; it follows the pointer and flips above it near
# the bottom of the screen. Screenshots are taken again until they show it.
e2e_write_settings 'capture_detect=window\r\n'  # an existing file: no first-run balloon
e2e_start_program

e2e_focus_desktop
xdotool mousemove 400 300
e2e_key F1
e2e_wait_log "(ms since trigger)"
e2e_helper wait-window OrmickOxelOverlay 5000 --visible >/dev/null || e2e_fail "the overlay is not shown"

pixel() { convert "$E2E_DIR/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
# A white lens corner at (x, y) and the readout band under the 136-pixel lens.
magnifier_at() {
  local x="$1" y="$2"
  import -window root "$E2E_DIR/shot.png" || return 1
  [ "$(pixel "$x" "$y")" = FFFFFF ] && [ "$(pixel $((x + 135)) $((y + 135)))" = FFFFFF ] &&
    [ "$(pixel $((x + 2)) $((y + 137)))" = 202024 ]
}
e2e_poll 10 magnifier_at 420 320 || e2e_fail "no magnifier at (420, 320) for the pointer at (400, 300)"

# Near the bottom it goes above the pointer: 900 - 20 - (136 + 62).
xdotool mousemove 1500 900
e2e_poll 10 magnifier_at 1520 682 || e2e_fail "the magnifier did not follow the pointer to (1500, 900)"

e2e_key Escape
e2e_helper wait-gone OrmickOxelOverlay 5000 >/dev/null || e2e_fail "Esc left the overlay on screen"
