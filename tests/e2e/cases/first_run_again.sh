# Only a start without settings.ini is a first run: a later start shows no balloon, and
# deleting settings.ini makes the next start a first run again.
run_once() {
  e2e_start
  e2e_wait_main
  e2e_wait_log "message loop" "$1"
  local pid
  pid=$(e2e_main_pid)
  e2e_helper post 0x8002 3 0 >/dev/null || e2e_fail "cannot post exit"
  e2e_wait_exit "$pid"
  e2e_wait_log "] exit" "$1"
}

run_once 1
[ "$(e2e_log_count "balloon: Ormick Oxel is running")" -eq 1 ] || e2e_fail "no first-run balloon"
printf '\n; mine\n' >>"$E2E_SETTINGS"
run_once 2
[ "$(e2e_log_count "balloon:")" -eq 1 ] || e2e_fail "a start with settings.ini showed a balloon"
tail -n 1 "$E2E_SETTINGS" | grep -q '^; mine$' || e2e_fail "an existing settings.ini was rewritten"

rm -f "$E2E_SETTINGS"
run_once 3
[ "$(e2e_log_count "balloon: Ormick Oxel is running")" -eq 2 ] || e2e_fail "no balloon after deleting settings.ini"
expected="$E2E_DIR/expected-settings.ini"
e2e_helper template "$(e2e_win_path "$expected")" || e2e_fail "helper could not write the template"
cmp "$expected" "$E2E_SETTINGS" || e2e_fail "the template was not written again"
