# Shared by the scripts: messages, failure, the Wine prefix and Xvfb helpers.
# step also names what runs now, for a failure that has no message of its own (see setup).
step() { ORMICK_STEP="$*"; printf '== %s\n' "$*"; }
fail() { printf '!! FAILED: %s\n' "$*" >&2; exit 1; }

# Font faces the program asks for, mapped to fonts Debian ships, so text renders in a fresh prefix.
ORMICK_LATIN_FACES=("Segoe UI" "Arial" "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2")
ORMICK_CJK_FACES=("Microsoft JhengHei UI" "Microsoft YaHei UI" "Yu Gothic UI" "Malgun Gothic")

# Makes a Wine prefix at $1 (nothing when it already has a system.reg). With "nowait" as $2 the
# prefix's wineserver is left running (the caller ends it), which saves its 5 s linger.
make_wine_prefix() {
  local prefix="$1" wait="${2:-wait}"
  [ -f "$prefix/system.reg" ] && return 0
  mkdir -p "$prefix"
  WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1 || return 1
  local f
  for f in "${ORMICK_LATIN_FACES[@]}"; do
    WINEPREFIX="$prefix" WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /d 'Liberation Sans' /f >/dev/null 2>&1
  done
  for f in "${ORMICK_CJK_FACES[@]}"; do
    WINEPREFIX="$prefix" WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  [ "$wait" = nowait ] || WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true
}

# Starts Xvfb on a display it picks itself (safe when several start at once); prints "display pid".
start_xvfb() {
  local fifo
  fifo=$(mktemp -u /tmp/ormick-xvfb.XXXXXX)
  mkfifo "$fifo" || return 1
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  local pid=$!
  local n=""
  read -r -t 20 n <"$fifo"
  rm -f "$fifo"
  if [ -z "$n" ] || ! kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    return 1
  fi
  echo ":$n $pid"
}

# Runs "$@" (a command or a function) with its output in the file $2 and, while it runs, says
# every 5 s that $1 is still going (with a build's latest [n/N]), so a long step is never
# silent. Returns the command's status. The command stays in the foreground, so Ctrl+C reaches it.
with_heartbeat() {
  local what="$1" out="$2"
  shift 2
  heartbeat_ticker "$what" "$out" "$BASHPID" &
  local ticker=$! rc=0
  "$@" >"$out" 2>&1 </dev/null || rc=$?
  kill "$ticker" 2>/dev/null
  wait "$ticker" 2>/dev/null
  return "$rc"
}

# The ticker of with_heartbeat; it also ends with the shell $3 that started it (a Ctrl+C
# does not reach a background process).
heartbeat_ticker() {
  local what="$1" out="$2" owner="$3" start=$SECONDS progress nap=""
  # The sleep goes with the ticker: it would hold the caller's open files (and locks) on.
  trap '[ -n "$nap" ] && kill "$nap" 2>/dev/null; exit 0' TERM
  while :; do
    sleep 5 &
    nap=$!
    wait "$nap"
    kill -0 "$owner" 2>/dev/null || break
    progress=$(tail -c 4000 "$out" 2>/dev/null | grep -o '^\[[0-9]*/[0-9]*\]' | tail -n 1) || progress=""
    printf '   ... %s %s(%d s)\n' "$what" "${progress:+$progress }" $(( SECONDS - start ))
  done
}

# Takes the lock of the build folders on descriptor 7 (the caller closes it, or ends), so that
# two scripts never run ninja in one folder at once; says that it waits, every 5 s.
lock_builds() {
  exec 7>"$here/build/.build.lock" || fail "opening $here/build/.build.lock"
  flock -n 7 && return 0
  step "another scripts/run, scripts/build or scripts/test is building in build/: waiting for it"
  local start=$SECONDS
  until flock -w 5 7; do printf '   ... waiting for the other build (%d s)\n' $(( SECONDS - start )); done
}
