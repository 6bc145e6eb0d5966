# "--record-test 0,0,640,480 2 gif" over a window where a red box moves: a looping GIF whose
# first frame is whole and whose later frames are only where the box was and went, each shown
# at least 2 cs, in the colours of the window.
e2e_start_helper --out "$(e2e_win_path "$E2E_DIR/animation.txt")" animate 0 0 640 480 60
e2e_poll 30 grep -qs shown "$E2E_DIR/animation.txt" || e2e_fail "the animation window did not show"
report="$E2E_DIR/report.txt"
e2e_start --record-test 0,0,640,480 2 gif --out "$(e2e_win_path "$report")"
e2e_poll 60 test -s "$report" || e2e_fail "no report"
cat "$report"; echo
grep -qE '^Ok\(".*\\\\Ormick_[0-9]{8}_[0-9]{6}(_[0-9]+)?\.gif"\)$' "$report" || e2e_fail "report is not Ok with a GIF path"
win=$(sed -E 's/^Ok\("(.*)"\)$/\1/; s/\\\\/\\/g' "$report")
gif=$(e2e_unix_path "$WINEPREFIX" "$win") || e2e_fail "unexpected path $win"
[ -s "$gif" ] || e2e_fail "no file at $gif"

identify -verbose "$gif" >"$E2E_DIR/verbose.txt" 2>&1
grep -q 'Iterations: 0' "$E2E_DIR/verbose.txt" || e2e_fail "the GIF does not loop for ever"
mapfile -t frames < <(identify -format '%T %w %h %X %Y\n' "$gif")
printf '%s\n' "${frames[@]}" | head -n 8
[ "${#frames[@]}" -ge 8 ] || e2e_fail "only ${#frames[@]} frames in 2 s"
[ "${frames[0]#* }" = "640 480 +0 +0" ] || e2e_fail "first frame is not whole: ${frames[0]}"
for f in "${frames[@]:1}"; do
  read -r delay w h x y <<<"$f"
  [ "$delay" -ge 2 ] || e2e_fail "delay below 2 cs: $f"
  # The box is 60 high at y 210; a frame covers its old and new places, nothing else.
  [ "$h" -eq 60 ] && [ "$y" = "+210" ] && [ "$w" -ge 60 ] || e2e_fail "frame is not the box's change: $f"
done
read -r delay _ <<<"${frames[0]}"
[ "$delay" -ge 2 ] || e2e_fail "first delay below 2 cs"

# WIC's palette is close to the real colours: white and the box's red, each within 4.
convert "$gif[1]" -format %c histogram:info:- >"$E2E_DIR/histogram.txt" || e2e_fail "cannot read frame 2"
colours=$(grep -oE '\( *[0-9]+, *[0-9]+, *[0-9]+' "$E2E_DIR/histogram.txt" | tr -d '( ')
echo "$colours"
near() { local IFS=,; set -- $1 $2; [ $(( ($1-$4)*($1-$4) <= 16 && ($2-$5)*($2-$5) <= 16 && ($3-$6)*($3-$6) <= 16 )) -eq 1 ]; }
for c in $colours; do
  near "$c" 255,255,255 || near "$c" 229,59,48 || e2e_fail "colour $c is neither the field nor the box"
done
