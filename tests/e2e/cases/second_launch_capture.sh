# A second launch without a switch hands "capture" to the running instance, which runs the
# capture command; the second process ends and the first runs on.
e2e_start
e2e_wait_main
e2e_wait_log "message loop"
first=$(e2e_main_pid)

e2e_start
e2e_wait_log "forwarded command 1"
e2e_wait_log "instance command 1"
e2e_wait_log "capture action"
e2e_helper wait-processes ormick-oxel.exe 1 15000 >/dev/null || e2e_fail "the second launch did not end"
[ "$(e2e_main_pid)" = "$first" ] || e2e_fail "the running instance changed"
[ "$(e2e_log_count "message loop")" -eq 1 ] || e2e_fail "the second launch started an instance of its own"
