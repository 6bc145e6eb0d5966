# "--record-test 0,0,640,480 1" (MP4): Wine has no MPEG-4 sink writer, so the report is the
# error of the failing call with its code, and no .mp4 file is left behind.
report="$E2E_DIR/report.txt"
e2e_start --record-test 0,0,640,480 1 --out "$(e2e_win_path "$report")"
e2e_poll 60 test -s "$report" || e2e_fail "no report"
cat "$report"; echo
grep -qE '^Err\("MFCreateSinkWriterFromURL: .*0x80070057.*"\)$' "$report" || e2e_fail "not the sink writer's error"
found=$(find "$E2E_DIR/home" "$WINEPREFIX/drive_c/users" -name '*.mp4' 2>/dev/null)
[ -z "$found" ] || e2e_fail "an .mp4 was left: $found"
e2e_log_count "record failed: MFCreateSinkWriterFromURL" | grep -qx 1 || e2e_fail "the failure is not logged"
# The frame closed at the first tick after the encoder failed, not after the second.
e2e_wait_log "record stop"

# A selection 15 pixels high rounds down to 14: nothing is recorded and no report is written.
small="$E2E_DIR/small.txt"
e2e_start --record-test 0,0,640,15 1 gif --out "$(e2e_win_path "$small")"
e2e_wait_log "record test: nothing recorded"
[ ! -e "$small" ] || e2e_fail "a report was written for a 15-pixel-high selection"

# Without Media Foundation (Windows N and KN before the Media Feature Pack; here Wine's own
# turned off) the program still starts, and an MP4 recording fails naming what is missing.
nomf="$E2E_DIR/nomf.txt"
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mfplat,mfreadwrite=d" e2e_start --record-test 0,0,640,480 1 --out "$(e2e_win_path "$nomf")"
e2e_poll 60 test -s "$nomf" || e2e_fail "no report without Media Foundation"
cat "$nomf"; echo
grep -qE '^Err\("MP4 recording needs Windows Media Foundation, .*Media Feature Pack.*"\)$' "$nomf" ||
  e2e_fail "the report does not name Media Foundation"
found=$(find "$E2E_DIR/home" "$WINEPREFIX/drive_c/users" -name '*.mp4' 2>/dev/null)
[ -z "$found" ] || e2e_fail "an .mp4 was left: $found"
