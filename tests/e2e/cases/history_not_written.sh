# Captures that cannot reach the history folder (a file stands where the folder should be) are
# still copied, and one notice says so: not again at the next capture, but again once a capture
# has reached the folder and the next one fails.
e2e_write_settings 'capture_detect=window\r\n'
history="$E2E_LOCALAPPDATA/Ormick Oxel/History"
mkdir -p "$(dirname "$history")"
: >"$history"
e2e_start_program
e2e_show_pattern 300 200 400 300

notice="balloon: Capture not kept in the history | "
copy() {
  local said
  said=$(e2e_helper capture-copy-soak "$1" 500 350)
  [[ $said == *"done $1"* ]] || e2e_fail "capture and copy failed: $said"
}
copy 2
e2e_wait_log "history not written" 2
grep -F "$notice" "$E2E_LOG" | grep -qF "Ormick Oxel" || e2e_fail "the notice does not say where"
[ "$(e2e_log_count "$notice")" -eq 1 ] || e2e_fail "$(e2e_log_count "$notice") notices for two failed captures"

# The folder can be made again: the next capture lands, and the notice is reset.
rm -f "$history"
copy 1
e2e_wait_until 20 "a history file" e2e_history_count 1
e2e_wait_log "history written again"
rm -rf "$history"
: >"$history"
copy 1
e2e_wait_log "history not written" 3
e2e_wait_log "$notice" 2
