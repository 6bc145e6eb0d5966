# Through the scripted OCR engine: F1, a drag and D cover the scripted e-mail address and phone
# number with mosaic (12-pixel cells anchored at the selection, each the mean of its cell) and
# leave the rest alone; Ctrl+Z takes both away in one step; D again and Ctrl+Shift+S save an
# image with the same mosaic where the words are.
saves="$E2E_DIR/saves"
mkdir -p "$saves" "$(dirname "$E2E_SETTINGS")"
printf 'capture_detect=window\r\nsave_dir=%s\r\n' "$(e2e_win_path "$saves")" >"$E2E_SETTINGS"
# Word boxes in pixels of the 288 x 192 selection.
cat >"$E2E_DIR/script.txt" <<'SCRIPT'
language | en-US | English
profile | en-US
source | 288 | 192
line | en-US | Mail:@20,20,40,16 | jo@ex.io@70,20,60,16
line | en-US | Call@20,100,30,16 | 415-555-0132@60,100,90,16
SCRIPT
e2e_use_fake_ocr "$E2E_DIR/script.txt"
e2e_start_program
e2e_show_pattern 300 200 400 300
e2e_helper screen-bmp "$(e2e_win_path "$E2E_DIR/before.bmp")" || e2e_fail "no screenshot"

# The selection (324, 216) to (612, 408), 24 x 16 cells of 12 pixels: the screen as the mosaic
# should show it, and the selection alone.
convert "$E2E_DIR/before.bmp" -crop 288x192+324+216 +repage -scale 24x16 -sample 288x192 "$E2E_DIR/cells.bmp" &&
  convert "$E2E_DIR/before.bmp" "$E2E_DIR/cells.bmp" -geometry +324+216 -composite "$E2E_DIR/mosaic-screen.bmp" &&
  convert "$E2E_DIR/before.bmp" -crop 288x192+324+216 +repage "$E2E_DIR/before-sel.bmp" ||
  e2e_fail "cannot make the expected pictures"

EMAIL=60x16+70+20 PHONE=90x16+60+100 LABEL=40x16+20+20 BELOW=280x40+4+140
on_screen() {  # GEOM in the selection -> on the screen
  local size="${1%%+*}" rest="${1#*+}"
  echo "$size+$(( ${rest%%+*} + 324 ))+$(( ${rest#*+} + 216 ))"
}
differing=""
screen_as() {  # WHICH GEOM: the screen in GEOM equals the mosaic or the screen before
  e2e_helper screen-bmp "$(e2e_win_path "$E2E_DIR/now.bmp")" || return 1
  local want="$E2E_DIR/before.bmp" fuzz=""
  [ "$1" = mosaic ] && want="$E2E_DIR/mosaic-screen.bmp" fuzz=1%
  differing=$(e2e_compare_crops "$E2E_DIR/now.bmp" "$want" "$(on_screen "$2")" $fuzz)
  [ "$differing" = 0 ]
}
expect_screen() {  # WHICH GEOM WHAT
  e2e_poll 10 screen_as "$1" "$2" || e2e_fail "$3: $differing pixels differ"
}

e2e_capture 1
e2e_drag 324 216 611 407
e2e_key d
e2e_wait_log "redact done: Ok(2)" 1 30
expect_screen mosaic "$EMAIL" "the address is not covered by mosaic cells"
expect_screen mosaic "$PHONE" "the phone number is not covered by mosaic cells"
expect_screen before "$LABEL" "the label was covered"
expect_screen before "$BELOW" "the lines below the words changed"

e2e_key ctrl+z
expect_screen before "$EMAIL" "Ctrl+Z left the address covered"
expect_screen before "$PHONE" "Ctrl+Z left the phone number covered"

e2e_key d
e2e_wait_log "redact done: Ok(2)" 2 30
expect_screen mosaic "$PHONE" "the second scan did not cover the phone number"
e2e_key ctrl+shift+s
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "the quick save left the overlay on screen"
e2e_wait_log "balloon: Saved | "
shopt -s nullglob
files=("$saves"/Ormick_*.png)
shopt -u nullglob
[ "${#files[@]}" -eq 1 ] || e2e_fail "expected one saved file, found ${#files[@]}"
saved="${files[0]}"
[ "$(identify -format '%wx%h' "$saved")" = 288x192 ] || e2e_fail "the saved image is not 288x192"
for geom in "$EMAIL" "$PHONE"; do
  differing=$(e2e_compare_crops "$saved" "$E2E_DIR/cells.bmp" "$geom" 1%)
  [ "$differing" = 0 ] || e2e_fail "$differing pixels of the saved image in $geom are not the mosaic"
done
for geom in "$LABEL" "$BELOW"; do
  differing=$(e2e_compare_crops "$saved" "$E2E_DIR/before-sel.bmp" "$geom")
  [ "$differing" = 0 ] || e2e_fail "$differing pixels of the saved image in $geom changed"
done
