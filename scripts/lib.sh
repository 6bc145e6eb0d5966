# Shared by the scripts: messages, failure, the Wine prefix and Xvfb helpers.
# step also names what runs now, for a failure that has no message of its own (see setup).
step() { ORMICK_STEP="$*"; printf '== %s\n' "$*"; }
fail() { printf '!! FAILED: %s\n' "$*" >&2; exit 1; }

# Font faces the program asks for, mapped to fonts Debian ships, so text renders in a fresh prefix.
ORMICK_LATIN_FACES=("Segoe UI" "Arial" "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2")
ORMICK_CJK_FACES=("Microsoft JhengHei UI" "Microsoft YaHei UI" "Yu Gothic UI" "Malgun Gothic")

# Makes a Wine prefix at $1 (nothing when it already has a system.reg).
make_wine_prefix() {
  local prefix="$1"
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
  WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true
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
