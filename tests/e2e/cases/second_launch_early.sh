# A launch while the running copy is still starting (its instance is taken, its main window not
# made yet) waits for that window and hands it its switch, instead of dropping it.
e2e_start_helper late-instance 1500 6000 --out "$(e2e_win_path "$E2E_DIR/late.txt")"
e2e_wait_until 30 "the early copy holding the instance" grep -qx holding "$E2E_DIR/late.txt"
e2e_start --settings
e2e_wait_log "forwarded command 5"
# The early copy writes what reached it when it ends.
e2e_wait_until 20 "the switch at the early copy's window" grep -q "^command 5" "$E2E_DIR/wine.out"
[ "$(e2e_log_count "command dropped")" -eq 0 ] || e2e_fail "the switch was dropped"
