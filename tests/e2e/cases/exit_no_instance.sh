# "--exit" with no instance running ends at once and creates nothing: no settings, no icon.
start_ms=$(date +%s%3N)
# With a new desktop, the launch returns when the program has ended.
timeout 30 wine explorer "/desktop=$E2E_DESKTOP,$E2E_DESKTOP_SIZE" "$E2E_EXE" --exit >>"$E2E_DIR/wine.out" 2>&1 \
  || e2e_fail "the launch did not end by itself"
took=$(( $(date +%s%3N) - start_ms ))
echo "== --exit alone took $took ms (Wine start included)"
e2e_wait_log "app_main start"
[ -e "$E2E_APPDATA/Ormick Oxel" ] && e2e_fail "--exit created the settings folder"
for line in "tray tip" "hotkeys registered" "message loop" "balloon:"; do
  [ "$(e2e_log_count "$line")" -eq 0 ] || e2e_fail "--exit alone went on to \"$line\""
done
true
