# Another program's DIB on the clipboard is read only after its header agrees with its block:
# lying, empty and over-large ones (and a PNG file whose header claims too much) each bring
# their notice at once, make no pin and leave the program running; honest ones of the depths
# clipboards carry are pinned with their colours.
e2e_start
e2e_wait_main
e2e_wait_log "message loop"
e2e_mouse_to 600 400

python3 - "$E2E_DIR" <<'PY' || e2e_fail "cannot write the DIB blocks"
import struct, sys, zlib
d = sys.argv[1] + "/"
def header(w, h, bits=32, comp=0, size=40, used=0):
    return struct.pack("<IiiHHIIiiII", size, w, h, 1, bits, comp, 0, 0, 0, used, 0)
def write(name, data):
    open(d + name, "wb").write(data)
write("short.dib", header(1000, 1000) + bytes(100))          # 4 MB claimed in 140 bytes
write("cut.dib", header(1000, 1000)[:20])                    # shorter than its own header
write("huge_size.dib", struct.pack("<I", 0x7FFFFFF0) + header(2, 2)[4:] + bytes(100))
write("empty.dib", header(0, 0))
write("over.dib", header(16384, 16385) + bytes(64))          # 2^28 + 16384 pixels
# 64 x 32, 1 bit: colour 0 (3366CC) on the left half, colour 1 (EE2211) on the right.
row = b"\x00\x00\x00\x00\xff\xff\xff\xff"
write("one_bit.dib", header(64, 32, bits=1) + bytes([0xCC, 0x66, 0x33, 0, 0x11, 0x22, 0xEE, 0]) + row * 32)
# 40 x 20, 32 bits with masks in a V5 header, top-down: top half 22AA44, bottom half 7711DD.
v5 = bytearray(124)
v5[:40] = header(40, -20, comp=3, size=124)
v5[40:52] = struct.pack("<III", 0xFF0000, 0xFF00, 0xFF)
write("v5.dib", bytes(v5) + struct.pack("<I", 0x22AA44) * 40 * 10 + struct.pack("<I", 0x7711DD) * 40 * 10)
# A PNG whose header claims 16385 x 16384.
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
write("over.png", b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 16385, 16384, 1, 0, 0, 0, 0))
      + chunk(b"IDAT", zlib.compress(b"\0" * 64)) + chunk(b"IEND", b""))
PY

none="No image on the clipboard"
large="The image is too large to pin"
# file | clipboard format (8 CF_DIB, 17 CF_DIBV5, files: a copied file) | notice
while read -r file format notice; do
  case "$format" in
    files) e2e_helper clip-set-files "$(e2e_win_path "$E2E_DIR/$file")" ;;
    *) e2e_helper clip-set-dib "$(e2e_win_path "$E2E_DIR/$file")" "$format" ;;
  esac || e2e_fail "cannot put $file on the clipboard"
  text=$([ "$notice" = none ] && echo "$none" || echo "$large")
  before=$(e2e_log_count "balloon: Ormick Oxel | $text")
  started=$(date +%s)
  e2e_helper post 0x8002 2 0 >/dev/null || e2e_fail "cannot ask for a pin of $file"
  e2e_wait_log "balloon: Ormick Oxel | $text" $((before + 1)) 30
  [ $(( $(date +%s) - started )) -le 15 ] || e2e_fail "$file took $(( $(date +%s) - started )) s to be refused"
  [ -z "$(e2e_helper windows OrmickOxelPin)" ] || e2e_fail "$file made a pin"
  [ -n "$(e2e_main_pid)" ] || e2e_fail "the program ended after $file"
done <<'TABLE'
short.dib 8 none
cut.dib 8 none
huge_size.dib 8 none
empty.dib 8 none
empty.dib 17 none
over.dib 8 large
over.png files large
TABLE
e2e_wait_log "balloon: Ormick Oxel | $large (16384 x 16385). Images of up to 268 million pixels can be pinned."
e2e_wait_log "balloon: Ormick Oxel | $large (16385 x 16384)."

# Honest blocks: read as their owner put them, never through the system's conversion.
e2e_helper clip-set-dib "$(e2e_win_path "$E2E_DIR/one_bit.dib")" 8 || e2e_fail "cannot put the 1-bit DIB"
e2e_helper post 0x8002 2 0 >/dev/null
e2e_wait_log "pin clipboard: bitmap 64x32"
e2e_helper wait-window OrmickOxelPin 10000 --visible >/dev/null || e2e_fail "no pin of the 1-bit DIB"
e2e_expect_helper "OrmickOxelPin 567 383 633 417 " "1-bit pin misplaced" windows OrmickOxelPin --visible
e2e_wait_until 5 "the 1-bit DIB's colours" \
  test "$(e2e_helper pixels 580 400 620 400 | tr '\n' ' ')" = "3366CC EE2211 "

e2e_mouse_to 1200 700
e2e_helper clip-set-dib "$(e2e_win_path "$E2E_DIR/v5.dib")" 17 || e2e_fail "cannot put the V5 DIB"
e2e_helper post 0x8002 2 0 >/dev/null
e2e_wait_log "pin clipboard: bitmap 40x20"
e2e_wait_until 10 "a pin of the V5 DIB" test "$(e2e_helper windows OrmickOxelPin --visible | wc -l)" -eq 2
e2e_wait_until 5 "the V5 DIB top-down with its masks" \
  test "$(e2e_helper pixels 1200 695 1200 705 | tr '\n' ' ')" = "22AA44 7711DD "
