# A QR code on the screen, F1, a drag over it and Q: the QR window shows the decoded text and
# offers Open link for an address; a second code with plain text gets no Open link.
e2e_write_settings 'capture_detect=window\r\n'
url='https://example.com/oxel?from=qr&n=1'
plain='Grüße aus Köln'
qrencode -s 4 -m 4 -o "$E2E_DIR/url.png" "$url" || e2e_fail "qrencode failed"
qrencode -s 4 -m 4 -o "$E2E_DIR/plain.png" "$plain" || e2e_fail "qrencode failed"
e2e_start_program
e2e_show_image 300 200 "$E2E_DIR/url.png"
e2e_show_image 800 200 "$E2E_DIR/plain.png"

QR=OrmickOxelOcr
decode() {  # N X0 Y0 X1 Y1: the Nth capture, a drag, Q; waits for the QR window
  e2e_capture "$1"
  e2e_drag "$2" "$3" "$4" "$5"
  e2e_key q
  e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Q left the overlay on screen"
  e2e_helper wait-window "$QR" 20000 --visible >/dev/null || e2e_fail "Q showed no QR window"
}
shown() { e2e_helper control-text "$QR" 1000 | tr -d '\r'; }

# A little white around the code, as a person drags it.
decode 1 290 190 445 345
[ "$(shown)" = "$url" ] || e2e_fail "the QR window shows \"$(shown)\", not $url"
e2e_expect_helper " enabled" "no Open link for an address" control "$QR" 5
e2e_helper close "$QR" >/dev/null || e2e_fail "cannot close the QR window"
e2e_helper wait-gone "$QR" 10000 >/dev/null || e2e_fail "the QR window stayed"

decode 2 790 190 945 345
[ "$(shown)" = "$plain" ] || e2e_fail "the QR window shows \"$(shown)\", not $plain"
[ "$(e2e_helper control "$QR" 5)" = "no control" ] || e2e_fail "Open link offered for plain text"
