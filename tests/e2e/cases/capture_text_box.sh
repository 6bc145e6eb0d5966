# The Text tool's in-place box as a person types into it: F1, a drag, T, a click, two lines
# with Enter between them and Ctrl+Enter to commit; Ctrl+C copies the selection with both
# lines drawn where the box was and nothing else changed. Esc in an open box commits it too
# and leaves the overlay open.
e2e_write_settings 'capture_detect=window\r\n'
e2e_start_program
e2e_show_pattern 300 200 400 300
e2e_helper screen-bmp "$(e2e_win_path "$E2E_DIR/before.bmp")" || e2e_fail "no screenshot"
convert "$E2E_DIR/before.bmp" -crop 300x200+320+220 +repage "$E2E_DIR/before-sel.bmp" || e2e_fail "cannot crop"

# Pixels of the copy (300 x 200 from (320, 220)) that differ from the screen, in GEOM.
changed() { e2e_compare_crops "$E2E_DIR/clip.bmp" "$E2E_DIR/before-sel.bmp" "$1"; }
copy_selection() {
  e2e_key ctrl+c
  e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Ctrl+C left the overlay on screen"
  local size
  size=$(e2e_helper clip-dib "$(e2e_win_path "$E2E_DIR/clip.bmp")") || e2e_fail "no image on the clipboard: $size"
  [ "$size" = "300 200" ] || e2e_fail "the clipboard's image is $size"
  cp "$E2E_DIR/clip.bmp" "$E2E_DIR/clip-$1.bmp"  # kept for a look after a failure
}
# The text is 24 pixels high (Text's medium size); the box's first line starts about 14 pixels
# above the click and each line is about 28 pixels. Text shows in the band of each line, from
# the click's x on, and nowhere far from it.
expect_lines() {  # CLICK_X CLICK_Y LINES (in the selection)
  local x="$1" y="$2" lines="$3" i n
  for i in $(seq 0 $(( lines - 1 ))); do
    n=$(changed "60x20+$x+$(( y - 12 + 28 * i ))")
    [ "$n" -ge 40 ] || e2e_fail "line $(( i + 1 )) shows only $n text pixels"
  done
  n=$(changed "60x20+$x+$(( y - 12 + 28 * lines + 8 ))")
  [ "$n" = 0 ] || e2e_fail "$n pixels changed below the last line"
  n=$(changed "100x200+$(( x + 120 ))+0")
  [ "$n" = 0 ] || e2e_fail "$n pixels changed right of the text"
  n=$(changed "300x$(( y - 20 ))+0+0")
  [ "$n" = 0 ] || e2e_fail "$n pixels changed above the text"
}

e2e_capture 1
e2e_drag 320 220 619 419
e2e_key t
e2e_click 360 260
e2e_type "Wim"
e2e_key Return
e2e_type "Mow"
e2e_key ctrl+Return
e2e_helper wait-window OrmickOxelOverlay 2000 --visible >/dev/null || e2e_fail "Ctrl+Enter closed the overlay"
copy_selection 1
expect_lines 40 40 2

# Esc commits the box; the overlay stays until the copy.
e2e_capture 2
e2e_drag 320 220 619 419
e2e_key t
e2e_click 380 300
e2e_type "Wow"
e2e_key Escape
e2e_helper wait-window OrmickOxelOverlay 2000 --visible >/dev/null || e2e_fail "Esc in the text box closed the overlay"
copy_selection 2
expect_lines 60 80 1

# The wheel over the open box (which has the focus and would scroll itself) steps the Text size:
# one notch up turns the medium text large, so "Wim" reaches far further right than at 24 pixels.
e2e_capture 3
e2e_drag 320 220 619 419
e2e_key t
e2e_click 360 260
e2e_type "Wim"
e2e_mouse_to 372 262
xdotool click 4
e2e_key ctrl+Return
e2e_helper wait-window OrmickOxelOverlay 2000 --visible >/dev/null || e2e_fail "Ctrl+Enter closed the overlay"
copy_selection 3
n=$(changed "28x50+102+20")
[ "$n" -ge 40 ] || e2e_fail "the wheel left the text medium: only $n pixels right of where medium text ends"
n=$(changed "60x20+40+28")
[ "$n" -ge 40 ] || e2e_fail "no text where the box was ($n pixels)"
