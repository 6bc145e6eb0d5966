# An OCR job started the way a selection starts it (start_ocr with the bitmap and its place on
# screen) runs on a worker through the scripted engine and reaches the main window: the text
# opens in the result window; a failing engine shows "Text recognition failed" with the
# reason, and no text at all "No text found".
image="$E2E_DIR/sample.png"
convert -size 100x50 xc:white -fill black -draw "rectangle 10,10 40,20" "$image" || e2e_fail "cannot draw the sample"
trigger="$E2E_DIR/trigger.txt"
export ORMICK_OXEL_FAKE_OCR_TRIGGER
ORMICK_OXEL_FAKE_OCR_TRIGGER=$(e2e_win_path "$trigger")

# Starts the test-only build with a script, runs one job, runs CHECK (if any) while the
# instance is up, and ends the instance.
run_job() {
  local script="$1" done_line="$2" check="${3:-}"
  e2e_use_fake_ocr "$script"
  e2e_start
  e2e_wait_main
  local pid
  pid=$(e2e_main_pid)
  local jobs=$(( $(e2e_log_count "ocr start 100x50") + 1 ))
  e2e_win_path "$image" >"$trigger"
  e2e_wait_log "ocr start 100x50" "$jobs"
  e2e_wait_log "$done_line"
  [ -z "$check" ] || "$check"
  e2e_start --exit
  e2e_wait_exit "$pid"
}

cat >"$E2E_DIR/ok.txt" <<'SCRIPT'
language | en-US | English
delay | en-US | 300
source | 100 | 50
line | en-US | Hello@10,10,30,10 | world@45,10,30,10
SCRIPT
result_window_shows_text() {
  e2e_helper wait-window OrmickOxelOcr 20000 --visible >/dev/null || e2e_fail "no result window"
  local text
  text=$(e2e_helper control-text OrmickOxelOcr 1000 | tr -d '\r')
  [ "$text" = "Hello world" ] || e2e_fail "the result window shows: $text"
}
run_job "$E2E_DIR/ok.txt" "ocr done: Ok(11)" result_window_shows_text

cat >"$E2E_DIR/fail.txt" <<'SCRIPT'
language | en-US | English
fail | recognize:en-US | 0x80004005 | The engine stopped.
SCRIPT
run_job "$E2E_DIR/fail.txt" 'ocr done: Err("The engine stopped.")'
e2e_wait_log "balloon: Text recognition failed | The engine stopped."

cat >"$E2E_DIR/empty.txt" <<'SCRIPT'
profile | en-US
SCRIPT
run_job "$E2E_DIR/empty.txt" "ocr done: Ok(0)"
e2e_wait_log "balloon: Ormick Oxel | No text found"
