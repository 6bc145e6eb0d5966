# Element detection asks UI Automation before the overlay shows: without it (as under Wine)
# the worker still answers at once, with no rectangles, and the session takes that answer
# (not the 80 ms deadline) before its "element" mark.
e2e_write_settings 'capture_detect=element\r\n'
e2e_start_program
e2e_key F1
e2e_wait_log "(ms since trigger)"
line=$(grep -F "(ms since trigger)" "$E2E_LOG")
echo "$line"
echo "$line" | grep -qE ' window +[0-9]+\.[0-9]  element +[0-9]+\.[0-9]  paint ' \
  || e2e_fail "no element mark between window and paint"
# The mark is taken with or without an answer: the log says which.
e2e_wait_log "element answer"
grep -F "element answer" "$E2E_LOG"
[ "$(e2e_log_count "element answer in time: 0 rectangle(s)")" -eq 1 ] \
  || e2e_fail "the worker's empty answer was not taken before the overlay showed"
e2e_escape_capture 1
