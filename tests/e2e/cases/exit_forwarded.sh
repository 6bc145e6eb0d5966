# "--exit" from a second launch ends the running instance; the tray icon goes with it.
e2e_start
e2e_wait_main
e2e_wait_log "message loop"
first=$(e2e_main_pid)

e2e_start --exit
e2e_wait_log "forwarded command 3"
e2e_wait_exit "$first"
e2e_wait_log "] exit"
e2e_helper wait-processes ormick-oxel.exe 0 15000 >/dev/null || e2e_fail "a program process is left"
