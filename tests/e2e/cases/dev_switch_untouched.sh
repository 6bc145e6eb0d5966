# A developer switch runs its job even while an instance runs, and the instance notices
# nothing: no forwarded command, same process, still registered. A job not in this build
# only says so in the log.
e2e_start
e2e_wait_main
e2e_wait_log "message loop"
first=$(e2e_main_pid)

e2e_start --uia-bench --out "$(e2e_win_path "$E2E_DIR/uia.txt")"
e2e_wait_log "app_main start" 2
e2e_helper wait-processes ormick-oxel.exe 1 20000 >/dev/null || e2e_fail "the developer job did not end"
# A job whose module is not in this build says so and ends as well.
e2e_start --preview
e2e_wait_log "app_main start" 3
e2e_wait_log "not available in this build: --preview"
e2e_helper wait-processes ormick-oxel.exe 1 20000 >/dev/null || e2e_fail "--preview did not end"
[ "$(e2e_main_pid)" = "$first" ] || e2e_fail "the running instance changed"
for line in "forwarded command" "instance command" "capture action"; do
  [ "$(e2e_log_count "$line")" -eq 0 ] || e2e_fail "the running instance saw \"$line\""
done
[ "$(e2e_log_count "message loop")" -eq 1 ] || e2e_fail "the developer job started an instance"
