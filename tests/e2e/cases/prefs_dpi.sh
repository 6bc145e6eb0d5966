# On a 1080-pixel screen at 150 % (LogPixels 144) the settings window's 1068 pixels of client
# area do not fit: it is laid out smaller, every control lies on the screen, and Save (reached
# by the keyboard as a user would) still writes and closes.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 \
  || e2e_fail "cannot set LogPixels"
wineserver -w
e2e_write_settings 'history=7\r\n'   # an existing file: no first-run balloon

e2e_start --settings
e2e_wait_main
e2e_helper wait-window OrmickOxelPrefs 20000 --visible >/dev/null || e2e_fail "--settings opened no window"
e2e_wait_log "prefs window: dpi 144, laid out at "
line=$(grep -F "prefs window: dpi 144," "$E2E_LOG" | tail -n 1)
read -r laid width cw ch <<<"$(sed -E 's/.*laid out at ([0-9]+), width ([0-9]+) DIPs, client ([0-9]+)x([0-9]+).*/\1 \2 \3 \4/' <<<"$line")"
[ -n "$ch" ] && [ "$laid" -lt 144 ] && [ "$laid" -ge 96 ] || e2e_fail "not laid out smaller: \"$line\""
[ "$ch" -eq $(( (712 * laid + 48) / 96 )) ] || e2e_fail "client height $ch at $laid DPI"
[ "$(e2e_helper client OrmickOxelPrefs)" = "$cw $ch" ] || e2e_fail "client area $(e2e_helper client OrmickOxelPrefs)"

inside() {  # L T R B within the 1920x1080 screen
  [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ "$3" -le 1920 ] && [ "$4" -le 1080 ] && [ "$1" -lt "$3" ] && [ "$2" -lt "$4" ]
}
read -r _ l t r b _ <<<"$(e2e_helper windows OrmickOxelPrefs)"
inside "$l" "$t" "$r" "$b" || e2e_fail "the window lies at $l $t $r $b"
children=$(e2e_helper children OrmickOxelPrefs | tr -d '\r')
[ "$(grep -c . <<<"$children")" -eq 36 ] || e2e_fail "expected 36 controls: $children"
while read -r id l t r b hidden; do
  [ -z "$hidden" ] || e2e_fail "control $id is hidden"
  inside "$l" "$t" "$r" "$b" || e2e_fail "control $id lies at $l $t $r $b, off the screen"
done <<<"$children"
import -window root "$E2E_DIR/prefs-1080.png" 2>/dev/null

focus_is() { [ "$(e2e_helper focus OrmickOxelPrefs)" = "$1" ]; }
e2e_wait_until 10 "the focus is not on Save" focus_is 1
e2e_key Return
e2e_wait_log "prefs saved"
e2e_helper wait-gone OrmickOxelPrefs 10000 >/dev/null || e2e_fail "Save left the window open"
grep -q $'^history=7\r$' "$E2E_SETTINGS" || e2e_fail "Save did not write settings.ini"
