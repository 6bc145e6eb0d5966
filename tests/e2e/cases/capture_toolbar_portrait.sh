# On a 1080-pixel-wide screen at 150 % (a portrait 1080 x 1920 one is as wide; the display
# here is 1080 high) one row of the toolbar would be 1242 pixels: it goes in two rows that both
# lie on the screen, right-aligned with the selection, and Copy (the blue primary button, the
# last one) shows whole.
E2E_DESKTOP_SIZE=1080x1080
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 \
  || e2e_fail "cannot set LogPixels"
wineserver -w

e2e_write_settings 'capture_detect=window\r\n'
e2e_start_program
e2e_capture 1
e2e_drag 100 300 899 799
# The toolbar shows once the release is painted: its frame's fill is 0xFCFCFD.
frame=""
toolbar_shown() {
  e2e_helper screen-bmp "$(e2e_win_path "$E2E_DIR/shot.bmp")" || return 1
  frame=$(convert "$E2E_DIR/shot.bmp" -crop 1080x400+0+806 +repage -fill black +opaque '#FCFCFD' -trim \
    -format '%w %h %X %Y' info: 2>/dev/null) || return 1
  read -r w h _ _ <<<"$frame"
  [ "${w:-0}" -gt 300 ] && [ "${h:-0}" -gt 100 ]
}
e2e_poll 15 toolbar_shown || e2e_fail "no two-row toolbar under the selection (frame fill box: $frame)"
read -r w h x y <<<"$frame"
x=${x#+}; y=${y#+}
echo "toolbar frame fill: ${w}x${h} at ($x, $(( y + 806 )))"
# Two rows of 48-pixel buttons, 3 apart, with 6-pixel margins (the outline is not counted).
[ "$h" -ge 105 ] && [ "$h" -le 113 ] || e2e_fail "the toolbar is $h pixels high, not two rows"
[ $(( x + w )) -le 900 ] || e2e_fail "the toolbar ends at $(( x + w )), past the selection's right (900)"
blue=$(convert "$E2E_DIR/shot.bmp" -crop "${w}x${h}+${x}+$(( y + 806 ))" +repage txt:- | grep -ci '#2B7FFF')
[ "$blue" -ge 1500 ] || e2e_fail "Copy's blue shows in only $blue pixels of the toolbar"
e2e_key Escape
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "Esc left the capture on screen"
