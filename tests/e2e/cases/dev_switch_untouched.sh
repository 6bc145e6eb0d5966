# A developer switch runs its job even while an instance runs, and the instance notices
# nothing: no forwarded command, same process, still registered. The jobs' reports hold
# their fixed lines; a job without its input says why in its report and the log, and one with a
# number too large for it ends all the same.
e2e_start
e2e_wait_main
e2e_wait_log "message loop"
first=$(e2e_main_pid)

# One job at a time: each is seen starting in the log, then the instance is alone again.
run_job() {
  local starts=$(( $(e2e_log_count "app_main start") + 1 ))
  e2e_start "$@"
  e2e_wait_log "app_main start" "$starts" 60
  e2e_helper wait-processes ormick-oxel.exe 1 60000 >/dev/null || e2e_fail "the developer job $1 did not end"
}
run_job --uia-bench --out "$(e2e_win_path "$E2E_DIR/uia.txt")"
run_job --compare-grab --out "$(e2e_win_path "$E2E_DIR/compare.txt")"
# A job without its image says so and ends as well.
run_job --redact-file
e2e_wait_log "redact-file done: ERROR cannot load image"
# A duration beyond the limit is refused like a malformed one: the default 3 s are recorded.
run_job --record-test 0,0,64,64 99999999999999999999 gif --out "$(e2e_win_path "$E2E_DIR/record.txt")"
e2e_wait_log 'record test: duration "99999999999999999999" refused'
grep -qE '^Ok\(".*\.gif"\)$' "$E2E_DIR/record.txt" || e2e_fail "the record test did not record: $(cat "$E2E_DIR/record.txt")"

[ "$(e2e_main_pid)" = "$first" ] || e2e_fail "the running instance changed"
for line in "forwarded command" "instance command" "capture action"; do
  [ "$(e2e_log_count "$line")" -eq 0 ] || e2e_fail "the running instance saw \"$line\""
done
[ "$(e2e_log_count "message loop")" -eq 1 ] || e2e_fail "the developer job started an instance"

# Without UI Automation (as under Wine) the report is the cursor and the reason.
[ -f "$E2E_DIR/uia.txt" ] || e2e_fail "--uia-bench wrote no report"
cat "$E2E_DIR/uia.txt"
head -n 1 "$E2E_DIR/uia.txt" | grep -qE '^cursor -?[0-9]+,-?[0-9]+$' || e2e_fail "no cursor line in the UI Automation report"
sed -n 2p "$E2E_DIR/uia.txt" | grep -qE '^uia unavailable: .+' || e2e_fail "the UI Automation report does not say why it is unavailable"

# Without desktop duplication (as under Wine) every monitor takes the GDI fallback line.
[ -f "$E2E_DIR/compare.txt" ] || e2e_fail "--compare-grab wrote no report"
cat "$E2E_DIR/compare.txt"
monitors=$(head -n 1 "$E2E_DIR/compare.txt" | sed -nE 's/^virtual screen .*, ([0-9]+) monitor\(s\)$/\1/p')
[ -n "$monitors" ] && [ "$monitors" -ge 1 ] || e2e_fail "no virtual screen line in the comparison report"
fallbacks=$(grep -cE '^monitor -?[0-9]+,-?[0-9]+,-?[0-9]+,-?[0-9]+: not captured by DXGI \(GDI fallback\)$' "$E2E_DIR/compare.txt")
[ "$fallbacks" -eq "$monitors" ] || e2e_fail "$fallbacks of $monitors monitors have the GDI fallback line"
