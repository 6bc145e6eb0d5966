# End-to-end harness, sourced by run-case after scripts/lib.sh. Each case gets its own copy of
# a Wine prefix (own HOME and user folders), its own Xvfb and its own Wine virtual desktop;
# every process it starts is stopped by its id, and wineserver -k ends the prefix's processes.
#
# What a case can use:
#   e2e_start ARGS...          start ormick-oxel.exe in the case's desktop (returns once it runs)
#   e2e_launch EXE ARGS...     run a program in the case's desktop (in the background: add "&")
#   e2e_helper ARGS...         run oxel-helper.exe in the same desktop, output on stdout
#   e2e_start_helper ARGS...   the helper as a background program of the desktop (use --out)
#   e2e_win_path PATH          a Unix path as the program sees it
#   e2e_wait_log TEXT [N] [S]  wait until the log holds TEXT at least N times (default 1, S s)
#   e2e_wait_until S WHAT CMD...  run CMD until it succeeds; fail with "WHAT" after S seconds
#   e2e_log_count TEXT         how many log lines hold TEXT
#   e2e_poll S COMMAND...      run COMMAND (a function may set variables) until it succeeds; false after S s
#   e2e_wait_main [S]          wait for the main window; e2e_main_pid prints its process id
#   e2e_wait_exit PID [S]      wait for that (Windows) process to end
#   e2e_key KEY...             focus the desktop's X window and send keys with xdotool
#   e2e_open_tray_menu         post a tray right-click and wait for the menu window
#   e2e_escape_capture N       wait for the Nth capture session on screen, end it with Esc
#   e2e_fail TEXT              fail with the log printed and where the case stood (also from
#                              inside $(...) or a pipeline: the whole case ends)
#   e2e_expect_no_window CLASS TEXT  fail with TEXT when a window of CLASS (a class name's
#                              start) is visible, or when the helper cannot look
#   e2e_wine ARGS...           run a Windows program in the foreground, within the call limit
#   e2e_show_pattern X Y W H   a window of known pixels at that place, shown before this returns
#   e2e_show_image X Y FILE    a window showing that picture (any format ImageMagick reads)
#   e2e_capture N              F1, then wait for the Nth session to take the keyboard
#   e2e_mouse_to X Y           the pointer to a desktop point with xdotool
#   e2e_drag X0 Y0 X1 Y1       a left-button drag with xdotool (desktop coordinates)
#   e2e_click X Y              a left click with xdotool
#   e2e_type TEXT              type TEXT with xdotool into what has the keyboard in the desktop
#   e2e_send_keys KEY...       virtual-key codes (0x20; 0x11+0x43 held together) sent with
#                              SendInput to the foreground window: for windows that Wine gives
#                              no X focus (the region frame's strip), where xdotool's keys miss
#   e2e_compare_crop A B GEOM  how many pixels of picture A differ from the GEOM crop of B
#   e2e_compare_crops A B GEOM [FUZZ]  how many pixels differ between the GEOM crops of A and B
#                              (channels within FUZZ, e.g. 1%, count as equal)
#   e2e_history_count N        true when the history folder holds exactly N pictures
#   e2e_use_fake_ocr SCRIPT    from now on start the test-only build whose OCR engine is the
#                              scripted stand-in (tests/fakeocr/SCRIPT.md), reading SCRIPT
#   E2E_LOG, E2E_SETTINGS, E2E_APPDATA, E2E_LOCALAPPDATA, E2E_TEMP (Unix paths), E2E_DIR
#
# Time limits: with E2E_CALL_LIMIT set (run-case: 45 s), every helper run, foreground Wine
# program and xdotool call that takes longer fails the case, naming the call; e2e_watchdog
# SECONDS ends a case that is still running after SECONDS, naming the step it stood at
# (E2E_STEP, which run-case keeps).

E2E_DESKTOP_SIZE=1920x1080

# Prefix template: rebuilt when Wine or the code that makes it changes.
e2e_template_key() {
  { wine --version 2>/dev/null; cat "$here/scripts/lib.sh" "$here/tests/e2e/lib.sh"; } | sha1sum | cut -d' ' -f1
}

# Windows path (C:\...) inside a prefix to its Unix path.
e2e_unix_path() {
  local prefix="$1" win="$2"
  case "$win" in
    [Cc]:\\*) local rest="${win:3}"; printf '%s/drive_c/%s\n' "$prefix" "${rest//\\//}" ;;
    *) return 1 ;;
  esac
}

# A Unix path as the program sees it (drive Z: is the Unix root).
e2e_win_path() { local p="$1"; printf 'Z:%s\n' "${p//\//\\}"; }

e2e_make_template() {
  local tpl="$1" key="$2"
  rm -rf "$tpl" "$tpl.tmp"
  make_wine_prefix "$tpl.tmp" || return 1
  # The user folders as the program will see them (Wine sets them from the prefix, not from
  # the Unix environment).
  WINEPREFIX="$tpl.tmp" wine "$E2E_HELPER" env APPDATA LOCALAPPDATA TEMP >"$tpl.tmp/.oxel-paths" 2>/dev/null \
    || return 1
  WINEPREFIX="$tpl.tmp" wineserver -w 2>/dev/null
  [ "$(grep -c . "$tpl.tmp/.oxel-paths")" -eq 3 ] || return 1
  echo "$key" >"$tpl.tmp/.oxel-template"
  mv "$tpl.tmp" "$tpl"
}

# Set before e2e_setup, so a teardown after a failed setup finds them.
E2E_MAIN_PID=$BASHPID
trap 'exit 1' USR1   # e2e_fail in a subshell
E2E_CALL_LIMIT=${E2E_CALL_LIMIT:-0}   # seconds; 0: none
E2E_STEP=""
E2E_WATCHDOG_PID=""
E2E_PIDS=()
E2E_XVFB_PID=""
E2E_NAME=""
E2E_DIR=""
E2E_LOG=""

e2e_setup() {
  E2E_NAME="$1"
  local build="${ORMICK_BUILD_DIR:?ORMICK_BUILD_DIR must name the Windows build folder}"
  build=$(cd "$build" && pwd) || return 1   # Wine wants absolute prefix paths
  E2E_EXE="$build/ormick-oxel.exe"
  E2E_HELPER="$build/oxel-helper.exe"
  [ -f "$E2E_EXE" ] || { echo "missing $E2E_EXE" >&2; return 1; }
  [ -f "$E2E_HELPER" ] || { echo "missing $E2E_HELPER" >&2; return 1; }
  E2E_DIR="$build/e2e/$E2E_NAME"
  E2E_T0=$(date +%s%3N)
  rm -rf "$E2E_DIR"
  mkdir -p "$E2E_DIR/home"
  export HOME="$E2E_DIR/home"
  # Wine's errors only: a launch that ends silently otherwise says nothing of why.
  export WINEDEBUG=-all,err+all
  # winedbg off: a crashed program simply ends (under load winedbg can hang with it).
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  unset WINEPREFIX

  read -r DISPLAY E2E_XVFB_PID < <(start_xvfb) || { echo "cannot start Xvfb" >&2; return 1; }
  export DISPLAY

  local tpl="$build/e2e/prefix-template" key
  key=$(e2e_template_key)
  mkdir -p "$build/e2e"
  (
    flock 9
    if [ "$(cat "$tpl/.oxel-template" 2>/dev/null)" != "$key" ]; then
      echo "== making the Wine prefix template"
      e2e_make_template "$tpl" "$key"
    fi
  ) 9>"$build/e2e/template.lock" || { echo "cannot make the prefix template" >&2; return 1; }
  export WINEPREFIX="$E2E_DIR/prefix"
  # Shared: a case started with a changed harness remakes the template under the lock.
  ( flock -s 9 && cp -a "$tpl" "$WINEPREFIX" ) 9>"$build/e2e/template.lock" || return 1
  e2e_stop_stale_server "$WINEPREFIX"
  # The template's user folders (Pictures, Desktop, ...) link to the HOME of the case that made
  # it: point them at this case's own HOME, so that no case sees another's files.
  local link
  for link in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$link" ]; then ln -sfn "$HOME" "$link" || return 1; fi
  done

  local paths
  mapfile -t paths <"$WINEPREFIX/.oxel-paths"
  paths=("${paths[@]%$'\r'}")
  E2E_APPDATA=$(e2e_unix_path "$WINEPREFIX" "${paths[0]}")
  E2E_LOCALAPPDATA=$(e2e_unix_path "$WINEPREFIX" "${paths[1]}")
  E2E_TEMP=$(e2e_unix_path "$WINEPREFIX" "${paths[2]}")
  E2E_LOG="$E2E_TEMP/ormick-oxel.log"
  E2E_SETTINGS="$E2E_APPDATA/Ormick Oxel/settings.ini"
  E2E_DESKTOP="oxel-$E2E_NAME"
  export ORMICK_OXEL_LOG=1
  mkdir -p "$E2E_TEMP"
  echo "== case $E2E_NAME: prefix $WINEPREFIX, display $DISPLAY"
}

e2e_print_log() {
  echo "---- ormick-oxel.log"
  cat "$E2E_LOG" 2>/dev/null || echo "(no log)"
  echo "---- wine output"
  tail -n 40 "$E2E_DIR/wine.out" 2>/dev/null
  echo "---- the prefix's processes"
  e2e_prefix_processes
}

# pid, state, seconds running and command line of each process of the case's prefix.
e2e_prefix_processes() {
  local dir pid
  for dir in /proc/[0-9]*; do
    pid=${dir#/proc/}
    { tr '\0' '\n' <"$dir/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
    ps -o pid=,stat=,etimes=,args= -p "$pid" 2>/dev/null
  done
}

e2e_teardown() {
  local rc=$?
  trap - DEBUG
  [ -n "$E2E_WATCHDOG_PID" ] && kill "$E2E_WATCHDOG_PID" 2>/dev/null
  [ "$rc" -ne 0 ] && [ -n "${E2E_LOG:-}" ] && e2e_print_log
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  [ -n "${WINEPREFIX:-}" ] && timeout -k 5 30 wineserver -k 2>/dev/null
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null; done
  # A program that started as the server went down starts a new one.
  [ -n "${WINEPREFIX:-}" ] && e2e_stop_stale_server "$WINEPREFIX" >/dev/null
  rm -f "${E2E_DIR:-/nonexistent}"/launch.*   # the output of launches that were stopped
  if [ -n "${E2E_XVFB_PID:-}" ]; then
    kill "$E2E_XVFB_PID" 2>/dev/null
    local i
    for i in $(seq 1 50); do kill -0 "$E2E_XVFB_PID" 2>/dev/null || break; sleep 0.1; done
  fi
  # The prefix is large; the log and the case's files stay for a look after a failure.
  if [ -n "${E2E_DIR:-}" ] && [ -d "$E2E_DIR/prefix" ]; then
    mkdir -p "$E2E_DIR/kept"
    cp "$E2E_LOG" "$E2E_DIR/kept/" 2>/dev/null
    rm -rf "$E2E_DIR/prefix"
  fi
  local ms=$(( $(date +%s%3N) - ${E2E_T0:-0} ))
  printf '== case %s %s in %d.%03d s\n' "${E2E_NAME:-?}" "$([ "$rc" -eq 0 ] && echo passed || echo FAILED)" \
    $(( ms / 1000 )) $(( ms % 1000 ))
  exit "$rc"
}

e2e_use_fake_ocr() {
  E2E_EXE="$(dirname "$E2E_EXE")/ormick-oxel-fakeocr.exe"
  [ -f "$E2E_EXE" ] || e2e_fail "missing $E2E_EXE"
  ORMICK_OXEL_FAKE_OCR=$(e2e_win_path "$1")
  export ORMICK_OXEL_FAKE_OCR
}

e2e_fail() {
  printf '!! %s: %s%s\n' "$E2E_NAME" "$*" "${E2E_STEP:+ (at $E2E_STEP)}" >&2
  # Inside $(...) or a pipeline this is a subshell, whose exit alone would go unnoticed.
  [ "$BASHPID" = "$E2E_MAIN_PID" ] || kill -USR1 "$E2E_MAIN_PID" 2>/dev/null
  exit 1
}

# Wine's loader now and then fails to start a program at all, before any of its code runs
# ("ShellExecuteEx failed: Internal error", once in a CI run): such a launch is made again, at
# most twice, and the output says so. A program that started and then failed is not retried.
E2E_START_FAILED="ShellExecuteEx failed"
# Returns Wine's own status.
e2e_launch() {
  local own try rc
  own=$(mktemp "$E2E_DIR/launch.XXXXXX")
  for try in 1 2 3; do
    wine explorer "/desktop=$E2E_DESKTOP,$E2E_DESKTOP_SIZE" "$@" 2>&1 | tee -a "$E2E_DIR/wine.out" >"$own"
    rc=${PIPESTATUS[0]}
    grep -qF "$E2E_START_FAILED" "$own" || break
    echo "(Wine did not start ${1##*/}, try $try)" | tee -a "$E2E_DIR/wine.out"
  done
  rm -f "$own"
  echo "(the launch of ${1##*/} ended: status $rc)" >>"$E2E_DIR/wine.out"
  return "$rc"
}

# Wine keys a prefix's server by the folder's device and inode, and a new case's prefix often
# gets the inode of one just removed. A server still running for a removed prefix (one a
# process started while the last case was torn down) would then take the new case's programs.
e2e_stop_stale_server() {
  local prefix="$1" dev ino key pid cwd
  read -r dev ino < <(stat -c '%D %i' "$prefix" 2>/dev/null) || return 0
  key=$(printf 'server-%s-%x' "$dev" "$ino")
  for pid in $(pgrep wineserver); do
    cwd=$(readlink "/proc/$pid/cwd" 2>/dev/null) || continue
    [ "${cwd##*/}" = "$key" ] || continue
    echo "(a Wine server left by a removed prefix held $key: stopped)"
    kill -9 "$pid" 2>/dev/null
    local i
    for i in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  done
}

# Wine closes a virtual desktop when its last process ends, and a helper run after that cannot
# open it ("cannot use desktop ...: 2"): a case whose program ends between two steps would fail
# by chance. A helper that waits on a window that never comes keeps the desktop until teardown.
E2E_KEEPER=""
e2e_keep_desktop() {
  [ -n "$E2E_KEEPER" ] && return 0
  local t0=$SECONDS try rc
  for try in 1 2 3; do
    e2e_launch "$E2E_HELPER" wait-window OxelKeeperNeverShown 86400000 &
    E2E_KEEPER=$!
    E2E_PIDS+=($!)
    # The next launch joins the desktop only once it is there; two launches at once could race.
    # Wine's first start in a new prefix (its services, then the desktop) took over 30 s once at
    # a load of 10: wait longer, but not on a keeper that has ended.
    e2e_poll 50 eval 'xdotool search --name "^$E2E_DESKTOP - Wine desktop\$" >/dev/null 2>&1 || \
      { kill -0 "$E2E_KEEPER" 2>/dev/null || return 0; false; }' \
      || e2e_fail "the desktop $E2E_DESKTOP did not appear within 50 s"
    kill -0 "$E2E_KEEPER" 2>/dev/null && break
    # Wine ended, silently, before it showed the desktop (once in a CI run): none of the case's
    # programs had started, so the keeper is started again.
    rc=0
    wait "$E2E_KEEPER" || rc=$?
    [ "$try" -lt 3 ] || e2e_fail "Wine ended (status $rc) before the desktop $E2E_DESKTOP appeared, three times"
    echo "(Wine ended, status $rc, before the desktop appeared: try $try)" | tee -a "$E2E_DIR/wine.out"
  done
  [ $(( SECONDS - t0 )) -lt 15 ] || echo "(the desktop took $(( SECONDS - t0 )) s to appear)"
}

# Runs "$@" within E2E_CALL_LIMIT seconds (more when $1 is a number: that many); a call that
# takes longer fails the case. Returns the command's own status otherwise.
e2e_limited() {
  local limit="$E2E_CALL_LIMIT" rc=0
  if [[ $1 =~ ^[0-9]+$ ]]; then
    [ "$limit" -ne 0 ] && [ "$1" -gt "$limit" ] && limit=$1
    shift
  fi
  timeout -k 5 "$limit" "$@" || rc=$?
  [ "$limit" -ne 0 ] && [ "$rc" -eq 124 ] && e2e_fail "no answer within $limit s from: ${*##*/}"
  return "$rc"
}

# xdotool with the call limit: --sync and searches wait for what may never come.
xdotool() { e2e_limited xdotool "$@"; }

e2e_wine() { e2e_limited wine "$@"; }

e2e_timed_out() {
  printf 'TIMEOUT: e2e case %s still running after %s s, at %s\n' "$E2E_NAME" "$E2E_CASE_LIMIT" "${E2E_STEP:-setup}" >&2
  exit 1
}

# The case ends with a TIMEOUT line naming its step once it has run for SECONDS.
e2e_watchdog() {
  local main=$BASHPID seconds="$1"
  E2E_CASE_LIMIT=$seconds
  trap e2e_timed_out USR2
  (
    trap - DEBUG
    nap=""
    trap '[ -n "$nap" ] && kill "$nap" 2>/dev/null; exit 0' TERM
    sleep "$seconds" &
    nap=$!
    wait "$nap"
    nap=""
    kill -USR2 "$main" 2>/dev/null || exit 0
    # The case's shell takes the signal once its current command has ended: end that command.
    self=$BASHPID
    for pid in $(ps -o pid= --ppid "$main"); do [ "$pid" = "$self" ] || kill "$pid" 2>/dev/null; done
  ) &
  E2E_WATCHDOG_PID=$!
}

# Returns once the program has run (its log's first line), or at once when the log is off. A
# launch that Wine ended before the program ran (once in a run, silently) is made again, at most
# twice; a program that ran is never started again.
e2e_start() {
  e2e_keep_desktop
  local before try launch
  before=$(e2e_log_count "app_main start")
  for try in 1 2 3; do
    e2e_launch "$E2E_EXE" "$@" &
    launch=$!
    E2E_PIDS+=($!)
    [ -n "${ORMICK_OXEL_LOG+set}" ] || return 0
    e2e_poll 60 eval '[ "$(e2e_log_count "app_main start")" -gt "$before" ] || \
      { kill -0 "$launch" 2>/dev/null || return 0; false; }' \
      || e2e_fail "the program did not start within 60 s"
    [ "$(e2e_log_count "app_main start")" -gt "$before" ] && return 0
    [ "$try" -lt 3 ] || e2e_fail "Wine ended the program's launch before it ran, three times"
    echo "(Wine ended the launch of the program before it ran: try $try)" | tee -a "$E2E_DIR/wine.out"
  done
}

# A developer job whose report goes to the file given first: starts the program with the rest
# of the arguments and --out, and waits for the report.
e2e_run_report() {
  local out="$1"
  shift
  rm -f "$out"
  e2e_start "$@" --out "$(e2e_win_path "$out")"
  e2e_wait_until 60 "a report at $out" test -s "$out"
}

# The settings file the program will find, from a printf format (lines end in \r\n).
e2e_write_settings() {
  mkdir -p "$(dirname "$E2E_SETTINGS")"
  # shellcheck disable=SC2059
  printf "$1" >"$E2E_SETTINGS"
}

# Starts the program and waits until its message loop runs and its main window exists.
e2e_start_program() {
  e2e_start
  e2e_wait_log "message loop" 1 60
  e2e_wait_main
}

# Within the call limit, or 25 s beyond a wait the command is given (its milliseconds).
e2e_helper() {
  local ms=""
  case "$1" in
    wait-window|wait-gone|wait-exit) ms=${3:-} ;;
    wait-processes) ms=${4:-} ;;
    wait-menu) ms=${2:-} ;;
  esac
  [[ $ms =~ ^[0-9]+$ ]] || ms=10000
  # Its answer is held back until the helper has surely started (see e2e_launch).
  local said rc try
  for try in 1 2 3; do
    rc=0
    said=$(e2e_limited $(( ms / 1000 + 25 )) wine "$E2E_HELPER" --desktop "$E2E_DESKTOP" "$@" 2>>"$E2E_DIR/wine.out") \
      || rc=$?
    [[ $said == *"$E2E_START_FAILED"* ]] || break
    echo "(Wine did not start the helper for $1, try $try)" | tee -a "$E2E_DIR/wine.out" >&2
  done
  [ -n "$said" ] && printf '%s\n' "$said"
  return "$rc"
}

e2e_expect_no_window() {
  local listed
  listed=$(e2e_helper windows "$1" --visible) || e2e_fail "the helper could not list the windows ($2)"
  [ -z "$listed" ] || e2e_fail "$2: $listed"
}

# Fails with MESSAGE and the helper's answer unless the answer holds TEXT. The answer is read
# whole first: a grep -q that stops reading early breaks the helper's pipe under pipefail.
e2e_expect_helper() {
  local text="$1" message="$2" said
  shift 2
  said=$(e2e_helper "$@")
  [[ $said == *"$text"* ]] || e2e_fail "$message: $said"
}

# The helper as a long-running program of its own in the case's desktop (creating the desktop
# when it does not exist yet); its output goes to the file after --out.
e2e_start_helper() {
  e2e_keep_desktop
  e2e_launch "$E2E_HELPER" "$@" &
  E2E_PIDS+=($!)
}

e2e_log_count() {
  [ -f "$E2E_LOG" ] || { echo 0; return; }
  grep -cF -- "$1" "$E2E_LOG"
}

e2e_wait_log() {
  local text="$1" want="${2:-1}" seconds="${3:-45}"
  local deadline=$(( $(date +%s) + seconds ))
  while [ "$(e2e_log_count "$text")" -lt "$want" ]; do
    [ "$(date +%s)" -ge "$deadline" ] && e2e_fail "no log line \"$text\" (x$want) within $seconds s"
    sleep 0.1
  done
}

e2e_poll() {
  local seconds="$1"
  shift
  local deadline=$(( $(date +%s) + seconds ))
  until "$@"; do
    [ "$(date +%s)" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

e2e_wait_until() {
  local seconds="$1" what="$2"
  shift 2
  e2e_poll "$seconds" "$@" || e2e_fail "$what within $seconds s"
}

e2e_wait_main() {
  e2e_helper wait-window OrmickOxelMain "$(( ${1:-45} * 1000 ))" >/dev/null || e2e_fail "no main window"
}

e2e_main_pid() { e2e_helper pid; }

e2e_wait_exit() {
  e2e_helper wait-exit "$1" "$(( ${2:-45} * 1000 ))" >/dev/null || e2e_fail "process $1 did not end"
}

# The desktop's X window; xdotool sees only it, not the windows inside.
e2e_focus_desktop() {
  local deadline=$(( $(date +%s) + 10 )) id=""
  while [ -z "$id" ]; do
    id=$(xdotool search --name "^$E2E_DESKTOP - Wine desktop\$" 2>/dev/null | head -1)
    [ -n "$id" ] && break
    [ "$(date +%s)" -ge "$deadline" ] && e2e_fail "no X window for desktop $E2E_DESKTOP"
    sleep 0.1
  done
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
}

e2e_key() {
  e2e_focus_desktop
  xdotool key --delay 50 "$@"
}

# The tray menu is modal inside the program: open it like a right-click on the icon and wait
# until its window shows; choose with e2e_key afterwards.
e2e_open_tray_menu() {
  e2e_helper post 0x8001 0 0x205 >/dev/null || e2e_fail "cannot post to the main window"
  e2e_helper wait-window '#32768' 10000 --visible >/dev/null || e2e_fail "the tray menu did not open"
  e2e_helper wait-menu 10000 >/dev/null || e2e_fail "the tray menu does not take the keyboard"
}

# A capture session takes the keyboard only once it has logged its timing line: Esc before that
# could be lost and leave the session open under the next keys.
e2e_escape_capture() {
  e2e_wait_log "(ms since trigger)" "$1"
  e2e_helper wait-window OrmickOxelOverlay 30000 --visible >/dev/null || e2e_fail "capture $1 is not on screen"
  e2e_key Escape
  e2e_helper wait-gone OrmickOxelOverlay 30000 >/dev/null || e2e_fail "Esc left capture $1 on screen"
}

e2e_show_pattern() {
  local out="$E2E_DIR/pattern-$1-$2.out"
  e2e_start_helper --out "$(e2e_win_path "$out")" show-pattern "$@" 0
  e2e_wait_until 20 "the pattern window" grep -qs shown "$out"
}

e2e_show_image() {
  local out="$E2E_DIR/image-$1-$2.out" bmp="$E2E_DIR/image-$1-$2.bmp"
  convert "$3" -alpha off "BMP3:$bmp" || e2e_fail "cannot convert $3"
  e2e_start_helper --out "$(e2e_win_path "$out")" show-image "$1" "$2" "$(e2e_win_path "$bmp")" 0
  e2e_wait_until 20 "the image window" grep -qs shown "$out"
}

e2e_capture() {
  e2e_key F1
  e2e_wait_log "(ms since trigger)" "$1"
  e2e_helper wait-window OrmickOxelOverlay 30000 --visible >/dev/null || e2e_fail "capture $1 is not on screen"
}

# xdotool moves over the display: desktop coordinates are offset by the desktop window's place.
e2e_mouse_to() {
  if [ -z "${E2E_DESKTOP_X:-}" ]; then
    local id X Y
    id=$(xdotool search --name "^$E2E_DESKTOP - Wine desktop\$" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^[XY]=')"
    E2E_DESKTOP_X=$X E2E_DESKTOP_Y=$Y
  fi
  xdotool mousemove --sync $(( E2E_DESKTOP_X + $1 )) $(( E2E_DESKTOP_Y + $2 ))
}

e2e_drag() {
  e2e_focus_desktop
  e2e_mouse_to "$1" "$2"
  xdotool mousedown 1
  e2e_mouse_to $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
  e2e_mouse_to "$3" "$4"
  xdotool mouseup 1
}

e2e_click() {
  e2e_focus_desktop
  e2e_mouse_to "$1" "$2"
  xdotool click 1
}

e2e_send_keys() {
  e2e_helper keys "$@" >/dev/null || e2e_fail "cannot send the keys $*"
}

e2e_type() {
  e2e_focus_desktop
  xdotool type --delay 50 -- "$1"
}

e2e_compare_crop() {
  convert "$2" -crop "$3" +repage "$E2E_DIR/crop.bmp" || return 1
  compare -metric AE "$1" "$E2E_DIR/crop.bmp" null: 2>&1
}

e2e_compare_crops() {
  convert "$1" -crop "$3" +repage -alpha off "$E2E_DIR/crop-a.bmp" || return 1
  convert "$2" -crop "$3" +repage -alpha off "$E2E_DIR/crop-b.bmp" || return 1
  compare -metric AE ${4:+-fuzz "$4"} "$E2E_DIR/crop-a.bmp" "$E2E_DIR/crop-b.bmp" null: 2>&1
}

e2e_history_count() {
  local files=()
  shopt -s nullglob
  files=("$E2E_LOCALAPPDATA/Ormick Oxel/History"/*.png)
  shopt -u nullglob
  [ "${#files[@]}" -eq "$1" ]
}
