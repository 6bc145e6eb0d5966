# The OCR result window in its text mode, with the scripted engine behind it: a recognition
# opens it with the assembled text selected; Esc closes it without copying; "Keep line
# breaks" shows the recognised lines (and stays on for the next window); Copy and close puts
# the text on the clipboard; two quick language changes show only the second result, store
# the language, and the earlier, slower answer is dropped; a held settings.ini says "Save failed".
e2e_write_settings 'ocr_lang=en-US\r\n'  # an existing file: no first-run balloon

# Two lines that make one wrapped paragraph (the first is full, the second starts under it).
cat >"$E2E_DIR/script.txt" <<'SCRIPT'
language | en-US | English
language | de-DE | German
language | fr-FR | French
line | en-US | Hello@16,16,80,20 | world@100,16,80,20
line | en-US | second@16,40,80,20 | line@100,40,60,20
delay | de-DE | 3000
line | de-DE | Langsam@16,16,80,20
line | fr-FR | Bonjour@16,16,80,20
SCRIPT
image="$E2E_DIR/sample.png"
convert -size 100x50 xc:white "$image" || e2e_fail "cannot draw the sample"
export ORMICK_OXEL_FAKE_OCR_TRIGGER
ORMICK_OXEL_FAKE_OCR_TRIGGER=$(e2e_win_path "$E2E_DIR/trigger.txt")

e2e_use_fake_ocr "$E2E_DIR/script.txt"
e2e_start
e2e_wait_main
pid=$(e2e_main_pid)

OCR=OrmickOxelOcr
# Recognises the sample the way a selection does and waits for its window.
open_window() {
  e2e_win_path "$image" >"$E2E_DIR/trigger.txt"
  e2e_helper wait-window "$OCR" 20000 --visible >/dev/null || e2e_fail "no OCR window"
}
text() { e2e_helper control-text "$OCR" 1000 | tr -d '\r'; }
shows() { [ "$(text)" = "$1" ]; }
state() { e2e_helper control "$OCR" "$1"; }
expect_state() { e2e_expect_helper "$2" "$3" control "$OCR" "$1"; }
# A left click in the middle of a control, as a user makes it.
click() {
  local l t r b
  read -r l t r b _ < <(state "$1")
  [ -n "$b" ] || e2e_fail "control $1 has no place"
  xdotool mousemove $(( (l + r) / 2 )) $(( (t + b) / 2 )) click 1
}
gone() { e2e_helper wait-gone "$OCR" 10000 >/dev/null || e2e_fail "$1 left the OCR window open"; }

open_window
e2e_wait_until 10 "the assembled text shown" shows "Hello world second line"
expect_state 1000 " focus" "the text does not have the focus"
expect_state 3 " enabled unchecked" "Keep line breaks is not offered unticked"
items=$(e2e_helper combo-items "$OCR" 6 | tr -d '\r')
expected_items='Automatic (all installed languages)
English  (en-US)
German  (de-DE)
French  (fr-FR)
Add a language…
selected 1'
[ "$items" = "$expected_items" ] || e2e_fail "the language box holds: $items"

# Esc in the text closes the window and leaves the clipboard alone.
e2e_helper clip-set-text "before" || e2e_fail "cannot set the clipboard"
# The window has the X focus of its own (e2e_key would give it to the desktop behind).
xdotool key Escape
gone "Esc"
[ "$(e2e_helper clip-get-text | tr -d '\r')" = "before" ] || e2e_fail "Esc copied the text"

# Keep line breaks shows the recognised lines; Copy and close copies what is shown.
open_window
e2e_wait_until 10 "the second window's text" shows "Hello world second line"
click 3
e2e_wait_until 10 "the lines shown" shows $'Hello world\nsecond line'
expect_state 3 " checked" "Keep line breaks is not ticked"
click 1
gone "Copy and close"
copied=$(e2e_helper clip-get-text | tr -d '\r')
[ "$copied" = $'Hello world\nsecond line' ] || e2e_fail "the clipboard holds: $copied"

# The box stays ticked for the next window. Two quick changes: German (slow), then French.
open_window
e2e_wait_until 10 "the lines shown at once" shows $'Hello world\nsecond line'
expect_state 3 " checked" "a new window forgot Keep line breaks"
e2e_helper combo-pick "$OCR" 6 2 3 >/dev/null || e2e_fail "cannot pick the languages"
e2e_wait_log "ocr rerun 2 shown"
e2e_wait_until 10 "the French result" shows "Bonjour"
# One word on each side: nothing for the box to switch between.
expect_state 3 " disabled" "Keep line breaks stays offered for equal texts"
e2e_wait_log "ocr rerun 1 dropped" 1 20
shows "Bonjour" || e2e_fail "the slower, earlier result replaced the later one: $(text)"
grep -q '^ocr_lang *= *fr-FR' "$E2E_SETTINGS" || e2e_fail "the language was not stored: $(grep ocr_lang "$E2E_SETTINGS")"

# While another program holds settings.ini, a language change still recognises again and says
# "Save failed", as every other settings writer does; the file keeps the old language.
held="$E2E_DIR/file-held.txt"
e2e_start_helper --out "$(e2e_win_path "$held")" hold-file "$(e2e_win_path "$E2E_SETTINGS")" 5
e2e_wait_until 20 "the helper could not hold settings.ini" grep -qs held "$held"
e2e_helper combo-pick "$OCR" 6 1 >/dev/null || e2e_fail "cannot pick English"
e2e_wait_log "balloon: Save failed | "
e2e_wait_log "ocr rerun 3 shown"
grep -q '^ocr_lang *= *fr-FR' "$E2E_SETTINGS" || e2e_fail "a held settings.ini changed"
e2e_wait_until 20 "the helper did not let settings.ini go" grep -qs released "$held"

click 2
gone "Close"
e2e_start --exit
e2e_wait_exit "$pid"
