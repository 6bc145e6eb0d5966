# Shared by the scripts: messages, failure, the Wine prefix and Xvfb helpers.
step() { printf '== %s\n' "$*"; }
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

# Starts Xvfb on the first free display from $1 on; prints "display pid".
start_xvfb() {
  local n="${1:-90}"
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  local pid=$!
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && { echo ":$n $pid"; return 0; }
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill "$pid" 2>/dev/null
  return 1
}
