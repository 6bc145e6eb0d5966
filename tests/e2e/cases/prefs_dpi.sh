# On a 150 % display (LogPixels 144) the settings window is laid out at 1.5 times: a client area
# of round(W × 1.5) by 1068 pixels, and every control scaled with it. The desktop is tall enough
# for all of it (a 1080-pixel one would cut the window to the screen).
E2E_DESKTOP_SIZE=1920x1440
e2e_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 \
  || e2e_fail "cannot set LogPixels"
e2e_limited wineserver -w

e2e_start --settings
e2e_wait_main
e2e_helper wait-window OrmickOxelPrefs 20000 --visible >/dev/null || e2e_fail "--settings opened no window"
e2e_wait_log "prefs window: dpi 144,"
line=$(grep -F "prefs window: dpi 144," "$E2E_LOG" | tail -n 1)
width=$(sed -E 's/.*width ([0-9]+) DIPs.*/\1/' <<<"$line")
[ -n "$width" ] && [ "$width" -ge 600 ] && [ "$width" -le 960 ] || e2e_fail "no width in \"$line\""
expected="$(( (width * 3 + 1) / 2 )) 1068"
grep -qF "client ${expected/ /x}" <<<"$line" || e2e_fail "laid out as \"$line\", expected client $expected"
client=$(e2e_helper client OrmickOxelPrefs)
[ "$client" = "$expected" ] || e2e_fail "client area $client, expected $expected"

# Control, DIP place → pixels: the header (24,18)-(W-24,42), the capture label (36,50)-(L-8,78)
# and Cancel (W-24-BTN,666)-(W-24,696).
place() { e2e_helper control-place OrmickOxelPrefs "$1"; }
[ "$(place 300)" = "36 27 $(( (width - 24) * 3 / 2 + (width % 2) - 36 )) 36" ] || e2e_fail "header at $(place 300)"
read -r x y w h <<<"$(place 340)"
[ "$x $y $h" = "54 75 42" ] || e2e_fail "capture label at $(place 340)"
read -r x y w h <<<"$(place 2)"
[ "$y $h" = "999 45" ] || e2e_fail "Cancel at $(place 2)"
[ $(( x + w )) -eq $(( (width - 24) * 3 / 2 + (width % 2) )) ] || e2e_fail "Cancel ends at $(( x + w ))"
