# --redact-file: with the scripted engine the report holds the merged text, the lines, each
# covered piece with its rectangle in the file's pixels, and the words; the real program under
# Wine, which has no OCR engine, writes "ERROR" with the failing call and its code; a file that
# is no image gives "ERROR cannot load image".
image="$E2E_DIR/sample.png"
convert -size 200x60 xc:white -fill black -draw "rectangle 10,10 90,20" "$image" || e2e_fail "cannot draw the sample"
echo "not an image" >"$E2E_DIR/broken.png"

real_exe="$E2E_EXE"
e2e_run_report "$E2E_DIR/real.txt" --redact-file "$(e2e_win_path "$image")"
cat "$E2E_DIR/real.txt"
grep -qE '^ERROR .*DataWriter.*\(0x80040154\)$' "$E2E_DIR/real.txt" || e2e_fail "the real engine's failure does not name the call and code"
e2e_wait_log "redact-file done: ERROR "

e2e_run_report "$E2E_DIR/broken.txt" --redact-file "$(e2e_win_path "$E2E_DIR/broken.png")"
[ "$(cat "$E2E_DIR/broken.txt")" = "ERROR cannot load image" ] || e2e_fail "a broken image gives: $(cat "$E2E_DIR/broken.txt")"

cat >"$E2E_DIR/script.txt" <<'SCRIPT'
language | en-US | English
profile | en-US
source | 200 | 60
line | en-US | Email:@10,4,30,10 | jo@ex.io@45,4,40,10
line | en-US | Call@10,22,20,10 | +1@35,22,10,10 | 415-555-0132@50,22,60,10 | today@115,22,25,10
line | en-US | See@10,40,15,10 | you@30,40,15,10
SCRIPT
e2e_use_fake_ocr "$E2E_DIR/script.txt"
e2e_run_report "$E2E_DIR/fake.txt" --redact-file "$(e2e_win_path "$image")"
cat "$E2E_DIR/fake.txt"
# Each covered piece is its words' box grown by a quarter of its height to the sides and a
# fifth above and below, in the file's pixels (the prepared image is doubled, with a margin).
expected='== merged ==
Email: jo@ex.io
Call +1 415-555-0132 today
See you
== lines ==
Email: jo@ex.io
Call +1 415-555-0132 today
See you
== marks ==
line 1: 42.5,2.0 45.0x14.0 (prepared 101.0,20.0 90.0x28.0) "jo@ex.io"
line 2: 32.5,20.0 80.0x14.0 (prepared 81.0,56.0 160.0x28.0) "+1 415-555-0132"
== words ==
1 36.0,24.0 60.0x20.0 Email:
1 106.0,24.0 80.0x20.0 jo@ex.io
2 36.0,60.0 40.0x20.0 Call
2 86.0,60.0 20.0x20.0 +1
2 116.0,60.0 120.0x20.0 415-555-0132
2 246.0,60.0 50.0x20.0 today
3 36.0,96.0 30.0x20.0 See
3 76.0,96.0 30.0x20.0 you'
[ "$(cat "$E2E_DIR/fake.txt")" = "$expected" ] || e2e_fail "the report through the scripted engine differs"

# A file that shows nothing gives the four sections with nothing in them.
printf 'profile | en-US\n' >"$E2E_DIR/empty.txt"
e2e_use_fake_ocr "$E2E_DIR/empty.txt"
e2e_run_report "$E2E_DIR/none.txt" --redact-file "$(e2e_win_path "$image")"
[ "$(cat "$E2E_DIR/none.txt")" = "$(printf '== merged ==\n\n== lines ==\n\n== marks ==\n== words ==')" ] ||
  e2e_fail "an image without text gives: $(cat "$E2E_DIR/none.txt")"
E2E_EXE="$real_exe"
