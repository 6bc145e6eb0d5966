# A new capture hotkey typed into the settings window and saved: while settings.ini is held open
# by another program, Save says "Save failed", keeps the window and leaves the file alone; once
# the file is free, Save writes it in place and the new key captures while the old one does not.
e2e_start
e2e_wait_main
e2e_wait_log "message loop"
e2e_wait_log "hotkeys registered: F1, F3; in use: none"
before="$E2E_DIR/before.ini"
cp "$E2E_SETTINGS" "$before"

e2e_helper post 0x8002 5 0 >/dev/null   # the settings window, as a second --settings does
e2e_helper wait-window OrmickOxelPrefs 20000 --visible >/dev/null || e2e_fail "no settings window"
focus_is() { [ "$(e2e_helper focus OrmickOxelPrefs)" = "$1" ]; }
e2e_wait_until 10 "the focus is not on Save" focus_is 1
e2e_key Tab Tab   # Cancel, then round to the capture box
e2e_wait_until 10 "Tab did not reach the capture box" focus_is 100
e2e_key ctrl+shift+k
e2e_wait_log "hotkey box 0: Ctrl+Shift+K"

held="$E2E_DIR/file-held.txt"
e2e_start_helper --out "$(e2e_win_path "$held")" hold-file "$(e2e_win_path "$E2E_SETTINGS")" 8
e2e_wait_until 20 "the helper could not hold settings.ini" grep -qs held "$held"
e2e_key Return   # Enter in a hotkey box is the dialog's: Save
e2e_wait_log "balloon: Save failed | "
e2e_wait_log "prefs save failed"
sleep 0.5
e2e_helper wait-window OrmickOxelPrefs 1000 --visible >/dev/null || e2e_fail "a failed save closed the window"
cmp -s "$before" "$E2E_SETTINGS" || e2e_fail "a failed save changed settings.ini"
[ "$(e2e_helper control-text OrmickOxelPrefs 100)" = "Ctrl+Shift+K" ] \
  || e2e_fail "a failed save lost the new hotkey"
[ "$(e2e_log_count "hotkeys registered: Ctrl+Shift+K")" -eq 0 ] || e2e_fail "a failed save applied the settings"

e2e_wait_until 20 "the helper did not let settings.ini go" grep -qs released "$held"
e2e_wait_until 10 "the focus left the capture box" focus_is 100
e2e_key Return
e2e_wait_log "prefs saved"
e2e_helper wait-gone OrmickOxelPrefs 10000 >/dev/null || e2e_fail "Save left the window open"
e2e_wait_log "hotkeys registered: Ctrl+Shift+K, F3; in use: none"
grep -q $'^capture_hotkey=Ctrl+Shift+K\r$' "$E2E_SETTINGS" || e2e_fail "settings.ini lacks the new capture hotkey"
grep -q '^; Ormick Oxel settings' "$E2E_SETTINGS" || e2e_fail "Save lost the file's comments"
[ "$(grep -c '^capture_hotkey=' "$E2E_SETTINGS")" -eq 1 ] || e2e_fail "capture_hotkey written twice"

# The old key, then the pin key: had F1 still fired, its line would come before the pin's.
e2e_key F1 F3
e2e_wait_log "] hotkey 2"
[ "$(e2e_log_count "] hotkey 1")" -eq 0 ] || e2e_fail "the old hotkey F1 still fires"
e2e_key ctrl+shift+k
e2e_wait_log "] hotkey 1"
e2e_wait_log "capture action"
e2e_escape_capture 1

# Saved with the capture box set to the pin's key: the notice names the two boxes (not another
# program) and stays on the screen after the window has gone.
e2e_helper post 0x8002 5 0 >/dev/null
e2e_helper wait-window OrmickOxelPrefs 20000 --visible >/dev/null || e2e_fail "no settings window"
e2e_wait_until 10 "the focus is not on Save" focus_is 1
e2e_key Tab Tab
e2e_wait_until 10 "Tab did not reach the capture box" focus_is 100
e2e_key F3
e2e_wait_log "hotkey box 0: F3"
e2e_key Return
e2e_wait_log "prefs saved" 2
same='"Capture" and "Pin clipboard image" are both set to F3'
e2e_wait_log "balloon: Hotkey not working | $same"
on_screen() { [[ $(e2e_helper balloons) == *"$same"* ]]; }
e2e_wait_until 20 "the notice on the screen" on_screen
[ "$(e2e_log_count "used by another program")" -eq 0 ] || e2e_fail "our own hotkeys were blamed on another program"
