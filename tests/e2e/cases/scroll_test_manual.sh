# "--scroll-test ... manual 25": the user scrolls (here xdotool's wheel over the target, one notch
# at a time and now and then back up), and at the time limit the PNG still holds the whole
# document row for row.
. "$here/tests/e2e/scroll_target/scroll_cases.sh"
scroll_start_target

out="$E2E_DIR/scroll.png"
e2e_start --scroll-test 100,120,640,480 "$(e2e_win_path "$out")" manual 25
e2e_wait_log "scroll: region 100,120 640x480" 1 30
e2e_helper wait-window OrmickOxelFrame 10000 --visible >/dev/null || e2e_fail "no region frame"
t0=$(date +%s%3N)
e2e_focus_desktop
xdotool mousemove 420 360
sleep 0.5
for i in $(seq 1 12); do
  xdotool click --repeat 6 --delay 120 5
  [ $(( i % 4 )) -eq 0 ] && xdotool click --delay 120 4
done
xdotool click --repeat 20 --delay 120 5
e2e_poll 20 grep -qx "scroll 2572" "$SCROLL_STATE" || e2e_fail "the target did not reach its end: $(cat "$SCROLL_STATE")"
t1=$(date +%s%3N)
grep -q "scroll test: session ended" "$E2E_LOG" && e2e_fail "the session ended before its time limit"
e2e_wait_log "scroll test: time limit" 1 40
grep -q "scroll test: wrote" "$E2E_LOG" || e2e_fail "the time limit wrote no image"
grep -q "Lost" "$E2E_LOG" && e2e_fail "a frame was lost"
e2e_log_count "scroll Back" | grep -qv '^0$' || e2e_fail "scrolling back was not seen"
scroll_expect_document "$out"
echo "figure: manual scrolling: $(identify -format '%wx%h' "$out") captured while scrolling for $(( t1 - t0 )) ms," \
  "$(e2e_log_count 'scroll Added') frames added, $(e2e_log_count 'scroll Back') back, equal to the document"
