# What the tray icon, forwarded commands and the tray menu do, as far as their targets exist;
# forged worker results and unknown commands change nothing. Each capture session is ended with
# Escape once it is on screen, and gone before the next command.
stub="not available in this build:"
empty_clipboard="balloon: Ormick Oxel | No image on the clipboard"
e2e_start
e2e_wait_main
e2e_wait_log "message loop"
pid=$(e2e_main_pid)

e2e_helper post 0x8001 0 0x202 >/dev/null   # left click on the icon
e2e_wait_log "capture action"
e2e_escape_capture 1

# Each forwarded command reaches its own target: pin the clipboard, capture and copy (a session
# of its own, not the capture action), the settings window (closed again before the next command).
e2e_helper post 0x8002 2 0 >/dev/null
e2e_wait_log "instance command 2"
e2e_wait_log "$empty_clipboard"
e2e_helper post 0x8002 4 0 >/dev/null
e2e_wait_log "instance command 4"
e2e_escape_capture 2
e2e_helper post 0x8002 5 0 >/dev/null
e2e_wait_log "instance command 5"
e2e_helper wait-window OrmickOxelPrefs 10000 --visible >/dev/null || e2e_fail "command 5 opened no settings window"
[ "$(e2e_log_count "capture action")" -eq 1 ] || e2e_fail "command 2, 4 or 5 went through the capture action"
[ "$(e2e_log_count "$empty_clipboard")" -eq 1 ] || e2e_fail "pin_clipboard ran more than once"
[ "$(e2e_log_count "prefs window: dpi")" -eq 1 ] || e2e_fail "the settings window opened more than once"
e2e_helper close OrmickOxelPrefs >/dev/null
e2e_helper wait-gone OrmickOxelPrefs 10000 >/dev/null || e2e_fail "the settings window did not close"

# Unknown commands, and results no worker of ours posted, are ignored.
e2e_helper post 0x8002 6 0 >/dev/null
e2e_helper post 0x8028 0 0x12345678 >/dev/null
e2e_helper post 0x8029 0 0x7fff0000 >/dev/null
e2e_helper post 0x8033 0 0x1000 >/dev/null
e2e_helper post 0x8034 0 0x1000 >/dev/null
e2e_helper post 0x8001 0 0x200 >/dev/null   # mouse move over the icon: nothing
e2e_helper post 0x8002 1 0 >/dev/null       # marks that the posts before it were handled
e2e_wait_log "instance command 1"
e2e_escape_capture 3
[ "$(e2e_log_count "instance command 6")" -eq 0 ] || e2e_fail "command 6 was run"
[ "$(e2e_log_count "ocr done")" -eq 0 ] || e2e_fail "a forged OCR result was taken"
for title in "Text recognition failed" "No text found" "No QR code found" "Recording" "Capture not kept"; do
  [ "$(e2e_log_count "balloon: $title")" -eq 0 ] || e2e_fail "a forged result showed \"$title\""
done
[ "$(e2e_log_count "capture action")" -eq 2 ] || e2e_fail "a mouse move over the icon captured"

e2e_open_tray_menu
e2e_key Down Return   # Capture: after 200 ms, once the menu has gone
e2e_wait_log "tray command 1"
e2e_wait_log "(timer 1)"
e2e_escape_capture 4

e2e_open_tray_menu
e2e_key Down Down Return   # Capture and copy
e2e_wait_log "tray command 11"
e2e_wait_log "(timer 3)"
e2e_escape_capture 5

e2e_open_tray_menu
e2e_key Down Down Down Return   # Capture in 3 seconds
e2e_wait_log "tray command 12"
e2e_wait_log "(timer 1)" 2 10
e2e_escape_capture 6
[ "$(e2e_log_count "capture action")" -eq 2 ] || e2e_fail "a tray menu capture went through the capture action"

# The tray command is logged before it runs: wait for the registry itself.
# The menu logs its items when it opens.
last_menu() { grep -F "tray menu:" "$E2E_LOG" | tail -n 1; }
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
run_value_written() { wine reg query "$run_key" /v "Ormick Oxel" 2>/dev/null | grep -qi 'ormick-oxel.exe'; }
run_value_gone() {
  local values
  values=$(wine reg query "$run_key" 2>/dev/null) && ! grep -qi 'Ormick Oxel' <<<"$values"
}
e2e_open_tray_menu
last_menu | grep -qF "Start with Windows |" || e2e_fail "Start with Windows is checked before it was chosen"
e2e_key Up Up Up Up Up Return   # from the bottom: ..., Settings, Start with Windows
e2e_wait_log "tray command 6"
e2e_wait_until 20 "Start with Windows did not write the Run value" run_value_written
e2e_open_tray_menu
last_menu | grep -qF "Start with Windows (checked) |" || e2e_fail "Start with Windows is not checked"
e2e_key Up Up Up Up Up Return
e2e_wait_log "tray command 6" 2
e2e_wait_until 20 "Start with Windows did not remove the Run value" run_value_gone

e2e_open_tray_menu
e2e_key Up Return   # Exit
e2e_wait_log "tray command 10"
e2e_wait_exit "$pid"
e2e_wait_log "] exit"
