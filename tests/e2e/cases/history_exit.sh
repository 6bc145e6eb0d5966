# Temporary files that a killed earlier run left in the settings and history folders are removed
# at start (only the program's own names, only files older than the start); Exit right after a
# capture waits for its history file, which arrives whole, with no temporary file left.
settings_dir="$E2E_APPDATA/Ormick Oxel"
history="$E2E_LOCALAPPDATA/Ormick Oxel/History"
mkdir -p "$settings_dir" "$history"
e2e_write_settings 'capture_detect=window\r\n'
old=(-d '2 days ago')
touch "${old[@]}" "$settings_dir/oox1A2.tmp" "$history/oox3f.tmp" "$history/other.tmp" "$history/oox12345.tmp"
# Written "later" than the start: a write of this run, never touched.
touch -d '+1 hour' "$history/ooxBEEF.tmp"
e2e_start_program
e2e_wait_log "stale temporary files removed: 1 in" 2
left() { (cd "$1" && ls -1 | LC_ALL=C sort | tr '\n' ' '); }
[ "$(left "$settings_dir")" = "settings.ini " ] || e2e_fail "settings folder holds: $(left "$settings_dir")"
[ "$(left "$history")" = "oox12345.tmp ooxBEEF.tmp other.tmp " ] || e2e_fail "history folder holds: $(left "$history")"

# A full-screen picture of noise: its PNG takes a while to write.
convert -size 1920x1080 xc: +noise Random "$E2E_DIR/noise.png" || e2e_fail "cannot make the picture"
e2e_show_image 0 0 "$E2E_DIR/noise.png"
pid=$(e2e_main_pid)
said=$(e2e_helper capture-copy-soak 1 960 540 exit)
[[ $said == *"done 1"* ]] || e2e_fail "capture and copy then exit failed: $said"
e2e_wait_exit "$pid" 30
shopt -s nullglob
files=("$history"/*.png)
[ "${#files[@]}" -eq 1 ] || e2e_fail "${#files[@]} history files after the exit"
[ "$(identify -format '%wx%h' "${files[0]}")" = 1920x1080 ] || e2e_fail "the history file is not the whole capture"
[ "$(left "$history")" = "$(basename "${files[0]}") oox12345.tmp ooxBEEF.tmp other.tmp " ] ||
  e2e_fail "history folder holds: $(left "$history")"
[ "$(e2e_log_count "a history write still runs")" -eq 0 ] || e2e_fail "the exit did not wait for the write"
