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

# A settings.ini that cannot be read (saved as UTF-16) does not hide the taken key: the reload's
# one balloon says both, and it is on the screen.
printf '\xff\xfec\0a\0p\0' >"$E2E_SETTINGS"
e2e_open_tray_menu
e2e_key Up Up Up Return   # Reload settings
e2e_wait_log "tray command 8"
e2e_wait_log "balloon: Settings file could not be read | "
grep -F "balloon: Settings file could not be read | " "$E2E_LOG" | grep -qF 'not UTF-8 text\nF1 is used by another program' \
  || e2e_fail "the balloon does not name both the file and F1"
on_screen() { [[ $(e2e_helper balloons) == *"not UTF-8 text"*"F1 is used by another program"* ]]; }
e2e_wait_until 20 "the balloon on the screen" on_screen
