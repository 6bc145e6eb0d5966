# F1, a drag, a rectangle and an arrow drawn, Ctrl+Shift+S: the PNG is saved under the automatic
# name without a dialog, has the selection's size and shows both annotations, the "Saved"
# balloon names it, and the history folder holds the same picture.
saves="$E2E_DIR/saves"
mkdir -p "$saves" "$(dirname "$E2E_SETTINGS")"
printf 'capture_detect=window\r\nsave_dir=%s\r\n' "$(e2e_win_path "$saves")" >"$E2E_SETTINGS"
e2e_start_program
e2e_show_pattern 300 200 400 300

e2e_capture 1
e2e_drag 320 220 619 419           # the selection (320, 220) to (620, 420): 300 x 200
e2e_key r
e2e_drag 350 250 450 330           # a rectangle
e2e_key a
e2e_drag 470 380 580 260           # an arrow
e2e_key ctrl+shift+s
e2e_helper wait-gone OrmickOxelOverlay 10000 >/dev/null || e2e_fail "the quick save left the overlay on screen"

e2e_wait_log "balloon: Saved | "
shopt -s nullglob
files=("$saves"/Ormick_*.png)
[ "${#files[@]}" -eq 1 ] || e2e_fail "expected one saved file, found ${#files[@]}"
name=$(basename "${files[0]}")
[[ "$name" =~ ^Ormick_[0-9]{8}_[0-9]{6}\.png$ ]] || e2e_fail "unexpected name $name"
grep -F "balloon: Saved | " "$E2E_LOG" | grep -qF "$name" || e2e_fail "the balloon does not name $name"
[ "$(identify -format '%wx%h' "${files[0]}")" = 300x200 ] || e2e_fail "the saved image is not 300x200"

# Red (the first session's colour) on the rectangle's left edge and on the arrow's shaft.
red_at() {
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)] %[fx:int(255*p{'"$2"','"$3"'}.g)]' info: |
    awk '{ exit !($1 > 200 && $2 < 110) }'
}
red_at "${files[0]}" 30 70 || e2e_fail "no rectangle edge at (30, 70) of the saved image"
red_at "${files[0]}" 205 100 || e2e_fail "no arrow at (205, 100) of the saved image"
red_at "${files[0]}" 80 70 && e2e_fail "the rectangle is filled"

e2e_wait_until 10 "a history file" e2e_history_count 1
history=("$E2E_LOCALAPPDATA/Ormick Oxel/History"/*.png)
[ "${#history[@]}" -eq 1 ] || e2e_fail "expected one history file, found ${#history[@]}"
[ "$(compare -metric AE "${files[0]}" "${history[0]}" null: 2>&1)" = 0 ] || e2e_fail "history differs from the saved file"
