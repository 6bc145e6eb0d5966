# "--preview" writes the 1000 x 560 sample: the checkerboard, the toolbar strip and the toolbars
# in their colours; without a path it writes ormick-oxel-preview.png into the current folder. The
# file is what its name says: JPEG for a .jpg name; a name of a format it does not write is refused.
out="$E2E_DIR/preview.png"
e2e_start --preview "$(e2e_win_path "$out")"
e2e_wait_log "preview written" 1 60
[ -f "$out" ] || e2e_fail "--preview wrote no file"
[ "$(identify -format '%wx%h' "$out")" = "1000x560" ] || e2e_fail "the preview is $(identify -format '%wx%h' "$out")"

pixel() { convert "$out" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
expect() {
  local x="$1" y="$2" want="$3" what="$4" got
  got=$(pixel "$x" "$y")
  [ "$got" = "$want" ] || e2e_fail "$what at ($x, $y) is $got, not $want"
}
expect 0 0 B4C8E6 "the checkerboard's first colour"
expect 6 0 F0E6AA "the checkerboard's second colour"
expect 990 400 3C4048 "the toolbar strip"
# The normal toolbar sits 8 under its selection at (16, 390): frame, the gap after the first
# button, and Copy, the primary button, at its right end.
expect 53 418 FCFCFD "the toolbar's background"
expect 40 398 CDD0D6 "the toolbar's outline"
expect 820 410 2B7FFF "the primary button"

# The default name, in the current folder.
mkdir -p "$E2E_DIR/cwd"
(cd "$E2E_DIR/cwd" && e2e_start --preview)
e2e_wait_log "preview written" 2 60
[ -f "$E2E_DIR/cwd/ormick-oxel-preview.png" ] || e2e_fail "no ormick-oxel-preview.png in the current folder"

e2e_start --preview "$(e2e_win_path "$E2E_DIR/pv.jpg")"
e2e_wait_log "preview written" 3 60
[ "$(identify -format '%m %wx%h' "$E2E_DIR/pv.jpg")" = "JPEG 1000x560" ] || e2e_fail "pv.jpg is $(identify -format '%m %wx%h' "$E2E_DIR/pv.jpg")"
e2e_start --preview "$(e2e_win_path "$E2E_DIR/pv.bmp")"
e2e_wait_log "preview not written: " 1 60
[ ! -e "$E2E_DIR/pv.bmp" ] || e2e_fail "a PNG was written as pv.bmp"
