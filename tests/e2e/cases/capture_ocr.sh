# Text on the screen, F1, a drag over it and O, through the scripted OCR engine: the overlay
# goes, the recogniser gets the selection as it was dragged, and the result window shows the
# recognised text 8 pixels right of the selection, level with its top.
e2e_write_settings 'capture_detect=window\r\nocr_lang=en-US\r\n'
convert -size 240x60 xc:white -fill black -font /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf \
  -pointsize 28 -annotate +10+40 'Hello world' "$E2E_DIR/text.png" || e2e_fail "cannot draw the text"
# The selection (290, 190) to (550, 270) holds the text at (300, 200); word boxes in its pixels.
cat >"$E2E_DIR/script.txt" <<'SCRIPT'
language | en-US | English
source | 260 | 80
line | en-US | Hello@18,22,70,30 | world@98,22,72,30
SCRIPT
e2e_use_fake_ocr "$E2E_DIR/script.txt"
e2e_start_program
e2e_show_image 300 200 "$E2E_DIR/text.png"

OCR=OrmickOxelOcr
e2e_capture 1
e2e_drag 290 190 549 269
e2e_key o
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "O left the overlay on screen"
e2e_wait_log "ocr start 260x80"
e2e_helper wait-window "$OCR" 20000 --visible >/dev/null || e2e_fail "O showed no OCR window"
shown=$(e2e_helper control-text "$OCR" 1000 | tr -d '\r')
[ "$shown" = "Hello world" ] || e2e_fail "the OCR window shows \"$shown\""
read -r _ left top _ < <(e2e_helper windows "$OCR" --visible)
[ "$left $top" = "558 190" ] || e2e_fail "the OCR window is at $left,$top, not right of the selection at 558,190"
