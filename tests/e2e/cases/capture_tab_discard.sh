# Tab switches the detection mode, writes it to settings.ini at once and shows it in the open
# settings window; Esc with an annotation asks before discarding: No keeps the overlay, Yes
# ends it.
e2e_write_settings '; mine\r\ncapture_detect=window\r\n'
e2e_start_program
e2e_show_pattern 300 200 400 300
e2e_start --settings
e2e_helper wait-window OrmickOxelPrefs 10000 --visible >/dev/null || e2e_fail "no settings window"

combo_shows() { [ "$(e2e_helper combo-items OrmickOxelPrefs 125 | tr -d '\r' | tail -n 1)" = "selected $1" ]; }
detect_is() { grep -q "^capture_detect=$1"$'\r'"\?\$" "$E2E_SETTINGS"; }
combo_shows 1 || e2e_fail "the settings window does not show window detection"
e2e_capture 1
e2e_key Tab
e2e_wait_until 5 "capture_detect=element in settings.ini" detect_is element
grep -q '^; mine' "$E2E_SETTINGS" || e2e_fail "the update lost the file's other lines"
e2e_wait_until 5 "element detection in the settings window" combo_shows 0
e2e_key Tab
e2e_wait_until 5 "capture_detect=window in settings.ini" detect_is window
e2e_wait_until 5 "window detection in the settings window" combo_shows 1
# While another program holds settings.ini, Tab still switches, and says the file kept the old mode.
held="$E2E_DIR/file-held.txt"
e2e_start_helper --out "$(e2e_win_path "$held")" hold-file "$(e2e_win_path "$E2E_SETTINGS")" 5
e2e_wait_until 20 "the helper could not hold settings.ini" grep -qs held "$held"
e2e_key Tab
e2e_wait_log "balloon: Save failed | "
e2e_wait_until 5 "element detection in the settings window" combo_shows 0
detect_is window || e2e_fail "a held settings.ini changed"
e2e_wait_until 20 "the helper did not let settings.ini go" grep -qs released "$held"
e2e_key Tab
e2e_wait_until 5 "window detection in the settings window" combo_shows 1
[ "$(e2e_log_count "balloon: Save failed")" -eq 1 ] || e2e_fail "a written Tab said Save failed"

e2e_drag 320 220 619 419
e2e_key r
e2e_drag 350 250 450 330
e2e_key Escape
e2e_helper wait-window '#32770' 10000 --visible >/dev/null || e2e_fail "Esc with an annotation did not ask"
e2e_key n
e2e_helper wait-gone '#32770' 10000 >/dev/null || e2e_fail "No did not close the question"
e2e_helper wait-window OrmickOxelOverlay 2000 --visible >/dev/null || e2e_fail "No closed the overlay"
sleep 0.5
e2e_key Escape
e2e_helper wait-window '#32770' 10000 --visible >/dev/null || e2e_fail "the second Esc did not ask"
e2e_key y
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Yes left the overlay on screen"
e2e_history_count 0 || e2e_fail "a discarded capture wrote history"

# Esc with nothing drawn closes at once.
e2e_capture 2
e2e_drag 320 220 619 419
e2e_key Escape
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Esc without annotations did not close"
