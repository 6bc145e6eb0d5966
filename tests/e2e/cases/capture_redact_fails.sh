# D starts the personal-data scan; under Wine the recogniser is missing, so the user sees
# "Text recognition failed" with the reason, and the overlay is usable again: Ctrl+C copies.
e2e_write_settings 'capture_detect=window\r\n'
e2e_start_program
e2e_show_pattern 300 200 400 300

e2e_capture 1
e2e_drag 320 220 619 419
e2e_key d
e2e_wait_log "redact start 300x200"
e2e_wait_log "balloon: Text recognition failed | " 1 30
grep -F "balloon: Text recognition failed | " "$E2E_LOG"
[ "$(e2e_log_count "balloon: Text recognition failed | ")" -eq 1 ] || e2e_fail "more than one failure balloon"
e2e_helper wait-window OrmickOxelOverlay 2000 --visible >/dev/null || e2e_fail "the failed scan closed the overlay"
e2e_key ctrl+c
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "the overlay took no key after the scan"
size=$(e2e_helper clip-dib "$(e2e_win_path "$E2E_DIR/clip.bmp")") || e2e_fail "no image on the clipboard: $size"
[ "$size" = "300 200" ] || e2e_fail "the clipboard's image is $size"
