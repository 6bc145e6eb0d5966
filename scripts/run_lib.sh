# Helpers of scripts/run, sourced after scripts/lib.sh.

# The program's switches, in the order it looks for them: the first developer switch present
# runs a job of its own; otherwise the first user switch is the command a second launch hands
# over ("capture" when there is none).
ORMICK_DEV_SWITCHES=(--bench --preview --ocr-file --redact-file --scroll-test --record-test --uia-bench --compare-grab)
ORMICK_USER_SWITCHES=(--exit --settings --capture-copy --pin --capture)
# Switches followed by the path of an image the job reads.
ORMICK_INPUT_SWITCHES=(--ocr-file --redact-file)

# Prints the first switch of the array named $1 that the other arguments hold.
first_switch() {
  local -n list="$1"
  shift
  local s a
  for s in "${list[@]}"; do
    for a in "$@"; do
      [ "$a" = "$s" ] && { printf '%s\n' "$s"; return 0; }
    done
  done
  return 1
}

# Prints the value after the option $1 in the other arguments, if any.
option_value() {
  local name="$1"
  shift
  while [ $# -ge 2 ]; do
    [ "$1" = "$name" ] && { printf '%s\n' "$2"; return 0; }
    shift
  done
  return 1
}

# Prints the argument $2 places after the first $1 among the others, when there is one and it
# is not empty.
arg_after() {
  local name="$1" n="$2"
  shift 2
  local list=("$@") i
  for ((i = 0; i < ${#list[@]}; i++)); do
    [ "${list[i]}" = "$name" ] || continue
    [ -n "${list[i + n]:-}" ] && printf '%s\n' "${list[i + n]}"
    return
  done
  return 1
}

# Prints the report path the arguments give the developer job $1, as the program reads it.
named_report_arg() {
  local job="$1"
  shift
  case "$job" in
    --bench) option_value --bench-out "$@" ;;
    --preview) arg_after "$job" 1 "$@" ;;
    --scroll-test) arg_after "$job" 2 "$@" ;;
    *) option_value --out "$@" ;;
  esac
}

# A Unix path as a program in the prefix sees it (drive Z: is the Unix root).
win_path() { local p="$1"; printf 'Z:%s\n' "${p//\//\\}"; }

# A report path given to the program, as a Unix path: a relative one is taken from the run
# folder (the program's working folder), a drive path through winepath.
report_unix_path() {
  local p="$1" run_dir="$2"
  case "$p" in
    /*) printf '%s\n' "$p" ;;
    [A-Za-z]:*) winepath -u "$p" 2>/dev/null ;;
    *) printf '%s/%s\n' "$run_dir" "$p" ;;
  esac
}

# Rewrites, in the array named $1, a relative image path after an input switch to the same
# file in the folder $2 (the user's): the program runs in the run folder.
resolve_input_paths() {
  local -n list="$1"
  local cwd="$2" i s
  for ((i = 0; i + 1 < ${#list[@]}; i++)); do
    for s in "${ORMICK_INPUT_SWITCHES[@]}"; do
      [ "${list[i]}" = "$s" ] || continue
      case "${list[i + 1]}" in
        /* | [A-Za-z]:* | "") ;;
        *) list[i + 1]=$(win_path "$cwd/${list[i + 1]}") ;;
      esac
    done
  done
}

# A path as the user best reads it: relative when it lies under the folder they started from.
shown_path() {
  local p="$1"
  case "$p" in
    "$ORMICK_USER_CWD"/*) printf '%s\n' "${p#"$ORMICK_USER_CWD"/}" ;;
    *) printf '%s\n' "$p" ;;
  esac
}

# How many lines of the file $1 hold the text $2 (0 when there is no file).
log_count() {
  [ -f "$1" ] || { echo 0; return 0; }
  grep -cF -- "$2" "$1" || true
}

# Settles what scripts/run wants of its prefix: every program runs in one Wine virtual desktop
# "OrmickOxel" (so `wine prog.exe` waits for that program alone), and the temp folder, where
# the diagnostic log and the developer switches' reports go, is the run folder $2 with the log
# turned on. Only when something differs from the last time (the values depend on where the
# repository is); leaves the prefix's wineserver stopped.
ORMICK_DESKTOP=OrmickOxel
ORMICK_DESKTOP_SIZE=1920x1080
configure_run_prefix() {
  local prefix="$1" run_dir="$2" key_file="$1/.oxel-run-config"
  local temp key
  temp=$(win_path "$run_dir")
  key="$ORMICK_DESKTOP $ORMICK_DESKTOP_SIZE $temp log"
  [ "$(cat "$key_file" 2>/dev/null)" = "$key" ] && return 0
  step "settling the Wine prefix: desktop $ORMICK_DESKTOP, log and temp folder $(shown_path "$run_dir")"
  local reg=(
    'HKCU\Software\Wine\Explorer' Desktop "$ORMICK_DESKTOP"
    'HKCU\Software\Wine\Explorer\Desktops' "$ORMICK_DESKTOP" "$ORMICK_DESKTOP_SIZE"
    'HKCU\Environment' TEMP "$temp"
    'HKCU\Environment' TMP "$temp"
    'HKCU\Environment' ORMICK_OXEL_LOG 1
  )
  local i
  for ((i = 0; i < ${#reg[@]}; i += 3)); do
    WINEPREFIX="$prefix" wine reg add "${reg[i]}" /v "${reg[i + 1]}" /d "${reg[i + 2]}" /f >/dev/null 2>&1 || return 1
  done
  # Stopping the server writes the registry out (a wait would linger 5 s).
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null
  printf '%s\n' "$key" >"$key_file"
}

# Makes (when missing) and settles the prefix $1 for the run folder $2.
prepare_run_prefix() {
  local start=$SECONDS
  if [ ! -f "$1/system.reg" ]; then
    step "creating the Wine prefix $(shown_path "$1") (in the background, about 10 s)"
    make_wine_prefix "$1" nowait || { printf '!! wineboot failed for %s\n' "$1" >&2; return 1; }
  fi
  configure_run_prefix "$1" "$2" || { printf '!! configuring the Wine prefix %s failed\n' "$1" >&2; return 1; }
  [ $((SECONDS - start)) -gt 1 ] && step "Wine prefix ready ($((SECONDS - start)) s)"
  return 0
}

# Prints the files in the run folder $1 written after the file $2, then the report path $3 (if
# given) when it was written too; each once.
new_reports() {
  local run_dir="$1" marker="$2" named="${3:-}" f
  local seen=()
  while IFS= read -r -d '' f; do
    seen+=("$f")
  done < <(find "$run_dir" -maxdepth 1 -type f -newer "$marker" ! -name ormick-oxel.log ! -name '.launch-*' -print0 | sort -z)
  if [ -n "$named" ] && [ -f "$named" ] && [ "$named" -nt "$marker" ]; then
    local known=0
    for f in "${seen[@]}"; do [ "$f" -ef "$named" ] && known=1; done
    [ "$known" -eq 1 ] || seen+=("$named")
  fi
  [ ${#seen[@]} -gt 0 ] && printf '%s\n' "${seen[@]}"
  return 0
}

# Waits for the process $2 to end, saying every 5 s that $1 is still going; returns its status.
wait_with_heartbeat() {
  local what="$1" pid="$2" start=$SECONDS last=$SECONDS
  while kill -0 "$pid" 2>/dev/null; do
    sleep 0.2
    if (( SECONDS - last >= 5 )); then
      printf '   ... %s (%d s)\n' "$what" $(( SECONDS - start ))
      last=$SECONDS
    fi
  done
  wait "$pid"
}

# Seconds since $1 (an $EPOCHREALTIME), to a tenth.
elapsed_since() {
  local a="${1//[.,]/}" b="${EPOCHREALTIME//[.,]/}"
  local ms=$(( (b - a) / 1000 ))
  printf '%d.%d s\n' $(( ms / 1000 )) $(( ms % 1000 / 100 ))
}
