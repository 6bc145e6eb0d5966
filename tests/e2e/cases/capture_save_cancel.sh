# Save As cancelled keeps the overlay with its selection and annotations and writes no history;
# a rectangle drawn afterwards is in the copy, and the history then holds that copy.
e2e_write_settings 'capture_detect=window\r\n'
e2e_start_program
e2e_show_pattern 300 200 400 300

e2e_capture 1
e2e_drag 320 220 619 419
e2e_key a
e2e_drag 340 400 420 240            # an arrow before the dialog
e2e_key ctrl+s
e2e_helper wait-window '#32770' 10000 --visible >/dev/null || e2e_fail "no Save As dialog"
e2e_key Escape
e2e_helper wait-gone '#32770' 10000 >/dev/null || e2e_fail "Esc did not close the dialog"
e2e_helper wait-window OrmickOxelOverlay 2000 --visible >/dev/null || e2e_fail "the cancelled dialog closed the overlay"
sleep 1
e2e_history_count 0 || e2e_fail "a cancelled Save As wrote a history file"

e2e_key r
e2e_drag 450 250 560 330            # a rectangle after the dialog
e2e_key ctrl+c
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Ctrl+C left the overlay on screen"
size=$(e2e_helper clip-dib "$(e2e_win_path "$E2E_DIR/clip.bmp")") || e2e_fail "no image on the clipboard: $size"
[ "$size" = "300 200" ] || e2e_fail "the clipboard's image is $size"
red_at() {
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)] %[fx:int(255*p{'"$2"','"$3"'}.g)]' info: |
    awk '{ exit !($1 > 200 && $2 < 110) }'
}
red_at "$E2E_DIR/clip.bmp" 130 70 || e2e_fail "the rectangle drawn after the dialog is not in the copy"
red_at "$E2E_DIR/clip.bmp" 60 100 || e2e_fail "the arrow drawn before the dialog is not in the copy"
e2e_wait_until 10 "one history file" e2e_history_count 1
