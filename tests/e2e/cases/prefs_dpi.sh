# On a 1080-pixel screen at 150 % (LogPixels 144) and a 1366×768 one at 125 % the settings
# window's client area at that DPI (1068 and 890 pixels) does not fit: it is laid out smaller,
# every control lies on the screen, and Save (reached by the keyboard, as a user would) still
# writes and closes. Each row: screen, DPI.
rows=("1920x1080 144" "1366x768 120")
n=0
for row in "${rows[@]}"; do
  read -r size dpi <<<"$row"
  screen_w=${size%x*} screen_h=${size#*x}
  n=$(( n + 1 ))
  E2E_DESKTOP_SIZE=$size
  E2E_DESKTOP="oxel-prefs_dpi-$dpi"
  wineserver -k 2>/dev/null   # the last row's program and desktop: the DPI is read at start
  E2E_KEEPER=""                # it ended the keeper of the last row's desktop too
  e2e_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 \
    || e2e_fail "cannot set LogPixels"
  e2e_limited wineserver -w
  e2e_write_settings "history=$n\r\n"   # an existing file: no first-run balloon

  e2e_start --settings
  e2e_wait_main
  e2e_helper wait-window OrmickOxelPrefs 20000 --visible >/dev/null || e2e_fail "--settings opened no window"
  e2e_wait_log "prefs window: dpi $dpi, laid out at "
  line=$(grep -F "prefs window: dpi $dpi," "$E2E_LOG" | tail -n 1)
  read -r laid cw ch <<<"$(sed -E 's/.*laid out at ([0-9]+), width [0-9]+ DIPs, client ([0-9]+)x([0-9]+).*/\1 \2 \3/' <<<"$line")"
  [ -n "$ch" ] && [ "$laid" -lt "$dpi" ] && [ "$laid" -ge 72 ] || e2e_fail "not laid out smaller: \"$line\""
  [ "$ch" -eq $(( (712 * laid + 48) / 96 )) ] || e2e_fail "client height $ch at $laid DPI"
  [ "$(e2e_helper client OrmickOxelPrefs)" = "$cw $ch" ] || e2e_fail "client area $(e2e_helper client OrmickOxelPrefs)"

  inside() {  # L T R B on the screen
    [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ "$3" -le "$screen_w" ] && [ "$4" -le "$screen_h" ] && [ "$1" -lt "$3" ] &&
      [ "$2" -lt "$4" ]
  }
  read -r _ l t r b _ <<<"$(e2e_helper windows OrmickOxelPrefs)"
  inside "$l" "$t" "$r" "$b" || e2e_fail "the window lies at $l $t $r $b on $size"
  children=$(e2e_helper children OrmickOxelPrefs | tr -d '\r')
  [ "$(grep -c . <<<"$children")" -eq 36 ] || e2e_fail "expected 36 controls: $children"
  while read -r id l t r b hidden; do
    [ -z "$hidden" ] || e2e_fail "control $id is hidden"
    inside "$l" "$t" "$r" "$b" || e2e_fail "control $id lies at $l $t $r $b, off the $size screen"
  done <<<"$children"
  import -window root "$E2E_DIR/prefs-$size.png" 2>/dev/null

  focus_is() { [ "$(e2e_helper focus OrmickOxelPrefs)" = "$1" ]; }
  e2e_wait_until 10 "the focus is not on Save" focus_is 1
  e2e_key Return
  e2e_wait_log "prefs saved" "$n"
  e2e_helper wait-gone OrmickOxelPrefs 10000 >/dev/null || e2e_fail "Save left the window open"
  grep -q "^history=$n"$'\r$' "$E2E_SETTINGS" || e2e_fail "Save did not write settings.ini"
done
