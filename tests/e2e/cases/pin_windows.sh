# A pin as its user meets it: the tray's "Pin last capture" pins the newest history image
# centred on the cursor; its pixels show inside a one-pixel border; "=" zooms it about its
# centre; a drag moves it; Esc closes it and the tray's "Restore last closed pin" brings it
# back where it was at its zoom; Space opens it in the overlay and Esc gives it back; its
# right-click menu rotates it on the same centre.
e2e_write_settings 'capture_detect=window\r\n'  # an existing file: no first-run balloon
history="$E2E_LOCALAPPDATA/Ormick Oxel/History"
mkdir -p "$history"
# 300 x 100: red left half, blue right half, a green mark in the top-left corner.
convert -size 300x100 xc:'#0000FF' -fill '#FF0000' -draw 'rectangle 0,0 149,99' \
  -fill '#00FF00' -draw 'rectangle 0,0 9,9' "PNG24:$history/Ormick_20240101_000000.png" \
  || e2e_fail "cannot make the history image"

e2e_start_program

e2e_focus_desktop
desktop=$(xdotool search --name "^$E2E_DESKTOP - Wine desktop\$" | head -1)
eval "$(xdotool getwindowgeometry --shell "$desktop")"   # X, Y: the desktop's place on the display
# Desktop coordinates to the display's.
mouse_to() { xdotool mousemove --sync $(( X + $1 )) $(( Y + $2 )); }

pin_rect() { e2e_helper windows OrmickOxelPin --visible | awk '{print $2, $3, $4, $5}'; }
expect_pin() {
  local want="$1" what="$2" got=""
  pin_is() { got=$(pin_rect); [ "$got" = "$want" ]; }
  e2e_poll 10 pin_is || e2e_fail "$what: the pin is at \"$got\", not \"$want\""
}

# The colour of one desktop pixel as RRGGBB, from a screenshot of the display.
pixel_at() {
  import -window root -crop "1x1+$(( X + $1 ))+$(( Y + $2 ))" +repage -depth 8 txt:- 2>/dev/null \
    | sed -n '2s/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr a-f A-F
}
expect_pixels() {
  local what="$1" spot x y want got
  shift
  for spot in "$@"; do
    IFS=: read -r x y want <<<"$spot"
    pixel_is() { got=$(pixel_at "$x" "$y"); [ "$got" = "$want" ]; }
    e2e_poll 10 pixel_is || e2e_fail "$what: pixel $x,$y is $got, not $want"
  done
}

# Pin last capture: History is the fifth item, its submenu's first item pins.
mouse_to 960 540
e2e_open_tray_menu
e2e_key Down Down Down Down Down Right Return
e2e_wait_log "tray command 13"
e2e_wait_log "pin 302x102 at 809,489"
expect_pin "809 489 1111 591" "pinned on the cursor"
# The image one pixel inside the window, every corner of it.
expect_pixels "the pinned image" 810:490:00FF00 819:499:00FF00 820:490:FF0000 959:589:FF0000 \
  960:490:0000FF 1109:589:0000FF

# "=" zooms one step about the centre: 330 x 110 inside the border.
e2e_key equal
expect_pin "794 484 1126 596" "zoomed by one step"
expect_pixels "the zoomed image" 795:485:00FF00 800:590:FF0000 1120:590:0000FF

# A drag with the left button moves it by as much as the mouse moved.
mouse_to 1000 540
xdotool mousedown 1
mouse_to 1030 560
mouse_to 1050 570
xdotool mouseup 1
expect_pin "844 514 1176 626" "dragged by 50,30"

# Esc closes it; the tray brings the newest closed pin back where it was, at its zoom.
mouse_to 960 540   # over the pin: the keys go to it
xdotool click 1
e2e_key Escape
e2e_helper wait-gone OrmickOxelPin 5000 >/dev/null || e2e_fail "Esc left the pin on screen"
e2e_open_tray_menu
e2e_key Up Up Up Up Up Up Return   # from the bottom: ..., Start with Windows, Restore last closed pin
e2e_wait_log "tray command 5"
expect_pin "844 514 1176 626" "restored"
expect_pixels "the restored image" 845:515:00FF00 850:620:FF0000 1170:620:0000FF

# Space opens the pin's picture in the overlay and hides the pin; Esc brings it back unchanged.
mouse_to 960 570
xdotool click 1
e2e_key space
e2e_wait_log "(ms since trigger)"
e2e_helper wait-window OrmickOxelOverlay 10000 --visible >/dev/null || e2e_fail "Space opened no overlay"
[ -z "$(pin_rect)" ] || e2e_fail "the pin stays on screen during its edit"
e2e_escape_capture 1
expect_pin "844 514 1176 626" "back after Esc in its edit"
expect_pixels "the pin after its edit" 845:515:00FF00 1170:620:0000FF

# Right-click menu: Image, Rotate right. The window turns about its centre (1010, 570).
mouse_to 1000 570
xdotool click 3
e2e_helper wait-menu 10000 >/dev/null || e2e_fail "the pin's menu did not open"
e2e_wait_log "pin menu: Copy"
e2e_key Down Down Down Down Down Right Down Return
expect_pin "954 404 1066 736" "rotated right"
# Clockwise: the green corner is top right, red the upper part, blue the lower.
expect_pixels "the rotated image" 1060:410:00FF00 960:410:FF0000 960:730:0000FF

# A double click closes it for good; one pin was closed before and one now.
mouse_to 1010 570
xdotool click --repeat 2 --delay 80 1
e2e_helper wait-gone OrmickOxelPin 5000 >/dev/null || e2e_fail "a double click left the pin on screen"
