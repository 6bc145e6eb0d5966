# After settings.ini changes and "Reload settings" (chosen in the tray menu with the keyboard),
# the new capture hotkey works, the old one does not, and tooltip and menu show the new key.
e2e_start
e2e_wait_main
e2e_wait_log "message loop"
e2e_wait_log "hotkeys registered: F1, F3"

sed -i 's/^capture_hotkey=F1$/capture_hotkey=F2/' "$E2E_SETTINGS"
grep -q '^capture_hotkey=F2$' "$E2E_SETTINGS" || e2e_fail "could not edit settings.ini"

e2e_open_tray_menu
e2e_wait_log "tray menu: Capture\\tF1 |"
e2e_key Up Up Up Return   # from the bottom: Exit, Open screenshot folder, Reload settings
e2e_wait_log "tray command 8"
e2e_wait_log "hotkeys registered: F2, F3; in use: none"
e2e_wait_log 'tray tip: Ormick Oxel\nF2 capture · F3 pin'
[ "$(e2e_log_count "balloon:")" -eq 1 ] || e2e_fail "reload showed a balloon"

# The old key alone, then the pin key: keys arrive in order, so had F1 still fired, its line
# would be in the log before the pin key's.
e2e_key F1 F3
e2e_wait_log "] hotkey 2"
e2e_wait_log "balloon: Ormick Oxel | No image on the clipboard"
[ "$(e2e_log_count "] hotkey 1")" -eq 0 ] || e2e_fail "the old hotkey F1 still fires"
[ "$(e2e_log_count "capture action")" -eq 0 ] || e2e_fail "the old hotkey F1 still captures"
e2e_key F2
e2e_wait_log "] hotkey 1"
e2e_wait_log "capture action"
e2e_escape_capture 1

e2e_open_tray_menu
e2e_wait_log "tray menu: Capture\\tF2 |"
e2e_key Escape
e2e_helper wait-gone '#32768' 10000 >/dev/null || e2e_fail "the menu did not close"

# Hotkeys that cannot work are named in the reload's balloon: a text that names no key by its
# settings.ini line (cut short), two of the program's own on one key as that pair, never as
# another program's. Each row: settings.ini's hotkey lines | the balloon expected.
long=$(head -c 1048576 /dev/zero | tr '\0' x)
rows=(
  "capture_hotkey=F2|pin_hotkey=F99|Hotkey not working | pin_hotkey=F99 in settings.ini is not a key combination"
  "capture_hotkey=Ctrl+Alt+Shift+Win+Banana|pin_hotkey=F3|Hotkey not working | capture_hotkey=Ctrl+Alt+Shift+Win+Banana in"
  "capture_hotkey=$long|pin_hotkey=F3|Hotkey not working | capture_hotkey=${long:0:40}… in settings.ini"
  "pin_hotkey=F7|capture_copy_hotkey=F7|Hotkey not working | \"Pin clipboard image\" and \"Capture and copy\" are both set to F7"
)
n=1
for row in "${rows[@]}"; do
  IFS='|' read -r first second expected <<<"$row"
  printf '%s\r\n%s\r\n' "$first" "$second" >"$E2E_SETTINGS"
  e2e_open_tray_menu
  e2e_key Up Up Up Return
  n=$(( n + 1 ))
  e2e_wait_log "tray command 8" "$n"
  e2e_wait_log "balloon: $expected"
done
[ "$(e2e_log_count "used by another program")" -eq 0 ] || e2e_fail "our own hotkeys were blamed on another program"
e2e_wait_log "hotkeys registered: F1, F7; in use: none; same key: capture_copy_hotkey = pin_hotkey (F7)"
