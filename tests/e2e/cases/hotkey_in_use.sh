# A hotkey another program holds is named in the "Hotkey in use" balloon; the instance runs on
# with the other hotkeys.
held="$E2E_DIR/held.txt"
# F1, held until the case's teardown ends the helper.
e2e_start_helper --out "$(e2e_win_path "$held")" hold-hotkey 0x70 0 0
deadline=$(( $(date +%s) + 20 ))
until grep -q held "$held" 2>/dev/null; do
  [ "$(date +%s)" -ge "$deadline" ] && e2e_fail "the helper could not hold F1: $(cat "$held" 2>/dev/null)"
  sleep 0.1
done

e2e_start
e2e_wait_main
e2e_wait_log "message loop"
e2e_wait_log "hotkeys registered: F3; in use: F1"
e2e_wait_log 'balloon: Hotkey in use | F1 is used by another program'
[ "$(e2e_log_count "is running")" -eq 0 ] || e2e_fail "a first run with a hotkey in use showed the running balloon too"

e2e_key F3
e2e_wait_log "hotkey 2"
e2e_wait_log "balloon: Ormick Oxel | No image on the clipboard"
e2e_main_pid >/dev/null || e2e_fail "the instance did not run on"
