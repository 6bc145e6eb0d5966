# First run: settings.ini is the template byte for byte, the "is running" balloon names the
# hotkeys, and a launch without a switch starts no capture.
e2e_start
e2e_wait_main
e2e_wait_log "message loop"
e2e_wait_log "balloon: Ormick Oxel is running"

[ -f "$E2E_SETTINGS" ] || e2e_fail "no settings.ini at $E2E_SETTINGS"
expected="$E2E_DIR/expected-settings.ini"
e2e_helper template "$(e2e_win_path "$expected")" || e2e_fail "helper could not write the template"
[ "$(stat -c %s "$expected")" -eq 1652 ] || e2e_fail "reference template is not 1652 bytes"
cmp "$expected" "$E2E_SETTINGS" || e2e_fail "settings.ini differs from the template"

e2e_wait_log "balloon: Ormick Oxel is running | F1 to capture, F3 to pin the clipboard image."
e2e_wait_log "hotkeys registered: F1, F3; in use: none"
e2e_wait_log 'tray tip: Ormick Oxel\nF1 capture · F3 pin'
for line in "capture action" "delayed capture" "] capture "; do
  [ "$(e2e_log_count "$line")" -eq 0 ] || e2e_fail "a launch without a switch started a capture ($line)"
done
e2e_expect_no_window OrmickOxel "windows shown at start-up"
[ "$(e2e_log_count "balloon:")" -eq 1 ] || e2e_fail "expected exactly one balloon"
