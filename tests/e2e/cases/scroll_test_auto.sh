# "--scroll-test" over the scroll target with auto-scroll: wheel notches until the page stops,
# then the PNG holds the target's whole document (header, every row, footer) row for row,
# without its side bar or its scroll bar. The region is the target's window, so the frame's
# ring, strip and preview (which Wine cannot keep out of grabs) lie outside what is grabbed.
. "$here/tests/e2e/scroll_target/scroll_cases.sh"
scroll_start_target

out="$E2E_DIR/scroll.png"
t0=$(date +%s%3N)
e2e_start --scroll-test 100,120,640,480 "$(e2e_win_path "$out")"
e2e_wait_log "scroll: region 100,120 640x480, tracking 100,120 640x480" 1 30
e2e_wait_log "scroll test: session ended" 1 90
t1=$(date +%s%3N)
grep -q "scroll test: wrote" "$E2E_LOG" || e2e_fail "the end of the page wrote no image"
grep -q "Lost" "$E2E_LOG" && e2e_fail "a frame was lost"
grep -qx "scroll 2572" "$SCROLL_STATE" || e2e_fail "the target did not reach its end: $(cat "$SCROLL_STATE")"
scroll_expect_document "$out"
echo "figure: auto-scroll to the end: $(identify -format '%wx%h' "$out") captured in $(( t1 - t0 )) ms" \
  "(from the switch to the log's end), $(e2e_log_count 'scroll Added') frames added, equal to the document"
