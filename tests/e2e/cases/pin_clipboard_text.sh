# F3 pins the clipboard's text at the cursor: white space only shows the balloon and pins
# nothing; a colour code becomes an orange swatch with its two lines; other text an image of
# the text.
e2e_start
e2e_wait_main
e2e_wait_log "message loop"
e2e_mouse_to 600 400

e2e_helper clip-set-text "    " || e2e_fail "cannot set the clipboard"
e2e_key F3
e2e_wait_log "balloon: Ormick Oxel | No image on the clipboard"
e2e_expect_no_window OrmickOxelPin "white space made a pin"

e2e_helper clip-set-text "#F80" || e2e_fail "cannot set the clipboard"
e2e_key F3
e2e_wait_log "pin clipboard: colour #FF8800"
e2e_helper wait-window OrmickOxelPin 10000 --visible >/dev/null || e2e_fail "no pin"
read -r _ l t r b _ <<<"$(e2e_helper windows OrmickOxelPin --visible)"
# 180 x 116 inside the pin's 1-pixel border, centred on the cursor.
[ "$l $t $r $b" = "509 341 691 459" ] || e2e_fail "swatch pin at $l $t $r $b"
x=$((l + 1)) y=$((t + 1))
e2e_wait_until 5 "the swatch on screen" \
  test "$(e2e_helper pixels $((x + 90)) $((y + 35)) $((x + 3)) $((y + 112)) | tr '\n' ' ')" = "FF8800 FFFFFF "
hex=$(e2e_helper dark-count $((x + 12)) $((y + 70)) $((x + 168)) $((y + 91)) 96)
rgb=$(e2e_helper dark-count $((x + 12)) $((y + 95)) $((x + 168)) $((y + 116)) 176)
[ "$hex" -gt 30 ] || e2e_fail "no #FF8800 line ($hex dark pixels)"
[ "$rgb" -gt 30 ] || e2e_fail "no rgb(255, 136, 0) line ($rgb grey pixels)"

e2e_helper clip-set-text "10 20 30 40" || e2e_fail "cannot set the clipboard"
e2e_mouse_to 1200 700
e2e_key F3
e2e_wait_log "pin clipboard: text of 11 bytes"
e2e_wait_until 10 "a second pin" test "$(e2e_helper windows OrmickOxelPin --visible | wc -l)" -eq 2
read -r _ l t r b _ <<<"$(e2e_helper windows OrmickOxelPin --visible | grep -v ' 509 341 691 459 ')"
cx=$(( (l + r) / 2 )) cy=$(( (t + b) / 2 ))
[ "$cx" -ge 1199 ] && [ "$cx" -le 1200 ] && [ "$cy" -ge 699 ] && [ "$cy" -le 700 ] \
  || e2e_fail "text pin at $l $t $r $b is not centred on the cursor"
[ "$(e2e_helper pixels $((l + 3)) $((t + 3)))" = "FFFDF2" ] || e2e_fail "text pin without its background"
