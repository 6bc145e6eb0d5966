# --ocr-file: with the scripted engine the report holds the text and, with --words, every
# word in prepared pixels (a source's corner word lands at 16,16 of the doubled image); the
# real program under Wine, which has no OCR engine, writes "ERROR" with the failing call and
# its code; a file that is no image gives "ERROR cannot load image", one too large to recognise
# says so.
image="$E2E_DIR/sample.png"
convert -size 100x50 xc:white -fill black -draw "rectangle 10,10 40,20" "$image" || e2e_fail "cannot draw the sample"
echo "not an image" >"$E2E_DIR/broken.png"

real_exe="$E2E_EXE"
e2e_run_report "$E2E_DIR/real.txt" --ocr-file "$(e2e_win_path "$image")"
cat "$E2E_DIR/real.txt"
grep -qE '^ERROR .*DataWriter.*\(0x80040154\)$' "$E2E_DIR/real.txt" || e2e_fail "the real engine's failure does not name the call and code"

e2e_run_report "$E2E_DIR/broken.txt" --ocr-file "$(e2e_win_path "$E2E_DIR/broken.png")"
[ "$(cat "$E2E_DIR/broken.txt")" = "ERROR cannot load image" ] || e2e_fail "a broken image gives: $(cat "$E2E_DIR/broken.txt")"

# One row of 32,537,632 pixels loads, but with its margin it makes 2^30 pixels or more. As an
# RLE8 bitmap the file stays small.
python3 - "$E2E_DIR/wide.bmp" <<'PY' || e2e_fail "cannot write the wide bitmap"
import struct, sys
w = 32537632
runs = bytes([255, 0]) * (w // 255) + bytes([w % 255, 0]) + b'\0\1'
palette = b'\xff\xff\xff\0' + bytes(4 * 255)
off = 14 + 40 + len(palette)
info = struct.pack('<IiiHHIIiiII', 40, w, 1, 1, 8, 1, len(runs), 2835, 2835, 256, 0)
open(sys.argv[1], 'wb').write(b'BM' + struct.pack('<IHHI', off + len(runs), 0, 0, off) + info + palette + runs)
PY
e2e_run_report "$E2E_DIR/wide.txt" --ocr-file "$(e2e_win_path "$E2E_DIR/wide.bmp")"
[ "$(cat "$E2E_DIR/wide.txt")" = "ERROR The image is too large for text recognition." ] ||
  e2e_fail "a too large image gives: $(cat "$E2E_DIR/wide.txt")"

cat >"$E2E_DIR/script.txt" <<'SCRIPT'
language | ja-JP | Japanese
language | en-US | English (United States)
profile | en-US
source | 100 | 50
line | en-US | Corner@0,0,30,10 | text@40,0,20,10
line | ja-JP | x@0,30,5,5
SCRIPT
e2e_use_fake_ocr "$E2E_DIR/script.txt"
e2e_run_report "$E2E_DIR/fake.txt" --ocr-file "$(e2e_win_path "$image")" --words
cat "$E2E_DIR/fake.txt"
expected='image 100x50 prepared 232x132 scale 2
language all installed
== text ==
Corner text
== lines ==
Corner text
== words ==
1 16.0,16.0 60.0x20.0 Corner
1 96.0,16.0 40.0x20.0 text'
[ "$(cat "$E2E_DIR/fake.txt")" = "$expected" ] || e2e_fail "the report through the scripted engine differs"
# Every recogniser ran on the one bitmap: the profile language first, then the other.
e2e_wait_log "fake ocr: recognize ja-jp"
[ "$(e2e_log_count "fake ocr: make_bitmap 232x132")" -eq 1 ] || e2e_fail "the bitmap was not made once"
grep -n "fake ocr: recognize " "$E2E_LOG" | head -1 | grep -q "en-us" || e2e_fail "the profile language did not run first"

# A language that is not installed falls back to all recognisers.
e2e_run_report "$E2E_DIR/fallback.txt" --ocr-file "$(e2e_win_path "$image")" --lang ko-KR
e2e_wait_log "engine_for_tag ko-KR -> none"
grep -qx 'Corner text' "$E2E_DIR/fallback.txt" || e2e_fail "an unknown language did not fall back to all recognisers"
E2E_EXE="$real_exe"
