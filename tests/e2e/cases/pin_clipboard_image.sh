# A copied bitmap is pinned at its size, here through a second launch with --pin that the
# running instance takes; a copied PNG file (CF_HDROP) is pinned at its size by F3.
e2e_start
e2e_wait_main
e2e_wait_log "message loop"

e2e_helper clip-set-image 120 80 || e2e_fail "cannot put a bitmap on the clipboard"
e2e_mouse_to 500 500
e2e_start --pin
e2e_wait_log "instance command 2"
e2e_wait_log "pin clipboard: bitmap 120x80"
e2e_helper wait-processes ormick-oxel.exe 1 15000 >/dev/null || e2e_fail "the second launch did not end"
e2e_helper wait-window OrmickOxelPin 10000 --visible >/dev/null || e2e_fail "no pin of the bitmap"
read -r _ l t r b _ <<<"$(e2e_helper windows OrmickOxelPin --visible)"
[ "$l $t $r $b" = "439 459 561 541" ] || e2e_fail "bitmap pin at $l $t $r $b"
e2e_wait_until 5 "the bitmap on screen" \
  test "$(e2e_helper pixels $((l + 11)) $((t + 41)) $((l + 111)) $((t + 41)) | tr '\n' ' ')" = "3366CC EE2211 "

png="$E2E_DIR/copied.png"
convert -size 64x48 xc:'#22AA44' "PNG24:$png" || e2e_fail "cannot make the PNG file"
e2e_helper clip-set-files "$(e2e_win_path "$png")" || e2e_fail "cannot copy the file"
e2e_mouse_to 1000 300
e2e_key F3
e2e_wait_log "pin clipboard: file 64x48"
e2e_wait_until 10 "a pin of the file" test "$(e2e_helper windows OrmickOxelPin --visible | wc -l)" -eq 2
e2e_expect_helper "OrmickOxelPin 967 275 1033 325 " "file pin not at 967 275 1033 325" windows OrmickOxelPin --visible
e2e_wait_until 5 "the file's image on screen" test "$(e2e_helper pixels 1000 300)" = "22AA44"
