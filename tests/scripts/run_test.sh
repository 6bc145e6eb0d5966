#!/usr/bin/env bash
# scripts/run as a user meets it, with this build's exe (ORMICK_RUN_EXE) and a folder of its
# own for the prefix and the run folder (ORMICK_RUN_STATE), on a private Xvfb: the first run
# says when the program is up; later runs hand a switch over or run a developer job beside it
# and name the report; --exit ends the first run, which then leaves nothing of its prefix
# running (a Notepad started in its desktop included); a job as the first run ends by itself.
# Builds take turns on build/ (tried on the lock alone: these runs build nothing).
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$here/scripts/lib.sh"
. "$here/scripts/run_lib.sh"
build=$(cd "${ORMICK_BUILD_DIR:?ORMICK_BUILD_DIR must name the Windows build folder}" && pwd) || exit 1

work=$(mktemp -d /tmp/ormick-run-test.XXXXXX) || exit 1
mkdir -p "$work/home"
export ORMICK_RUN_STATE="$work/state" ORMICK_RUN_EXE="$build/ormick-oxel.exe" HOME="$work/home"
unset DISPLAY WINEPREFIX
prefix="$work/state/wine/prefix-run"
run_dir="state/run"
owner_pid=""
notepad_pid=""
cleanup() {
  [ -n "$notepad_pid" ] && kill "$notepad_pid" 2>/dev/null
  if [ -n "$owner_pid" ]; then
    kill "$owner_pid" 2>/dev/null
    wait "$owner_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work" || exit 1

failures=0
expect() {  # expect DESCRIPTION COMMAND...
  local what="$1"
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
has_line() { grep -qE -- "$2" "$1"; }
absent() { local f; for f; do [ ! -e "$f" ] || return 1; done; }
ended() { ! kill -0 "$1" 2>/dev/null; }
wait_for() {  # wait_for SECONDS COMMAND...
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -ge "$end" ] && return 1
    sleep 0.2
  done
}
prefix_processes() { grep -lzx "WINEPREFIX=$prefix" /proc/[0-9]*/environ 2>/dev/null; }
no_prefix_process() { [ -z "$(prefix_processes)" ]; }
prefix_process_named() {  # a process of the prefix whose command line holds $1
  local f
  for f in $(prefix_processes); do
    tr '\0' ' ' <"${f%/environ}/cmdline" 2>/dev/null | grep -qF -- "$1" && return 0
  done
  return 1
}
run() {  # run NAME ARGS...: scripts/run with ARGS, its output in NAME.out; at most 90 s
  local name="$1"
  shift
  local t=$EPOCHREALTIME
  timeout -k 5 90 bash "$here/scripts/run" "$@" >"$work/$name.out" 2>&1
  local rc=$?
  [ "$rc" -eq 124 ] && echo "TIMEOUT: scripts/run $* still running after 90 s"
  echo "-- scripts/run $* ($(elapsed_since "$t"), status $rc)"
  sed 's/^/   /' "$work/$name.out"
  return "$rc"
}

echo "-- the switches scripts/run knows are the program's, in its order"
program_switches() { grep -rhoE "\\{\"--[a-z-]+\", $1::" "$here/src" | sed -E 's/^\{"(--[a-z-]+)".*/\1/'; }
expect "developer switches" [ "$(program_switches DevJob)" = "$(printf '%s\n' "${ORMICK_DEV_SWITCHES[@]}")" ]
expect "user switches" [ "$(program_switches InstanceCommand)" = "$(printf '%s\n' "${ORMICK_USER_SWITCHES[@]}")" ]

echo "-- a build waits while another holds the build folders, and says so"
mkdir -p "$work/lock/build"
flock "$work/lock/build/.build.lock" sh -c "touch '$work/lock/held'; sleep 1; touch '$work/lock/released'" &
wait_for 10 [ -e "$work/lock/held" ]
(here="$work/lock"; lock_builds; [ -e "$work/lock/released" ] && echo "took it after the other") >"$work/lock.out"
wait $!
expect "it waits, then takes the lock" has_line "$work/lock.out" 'is building in build/: waiting for it'
expect "only once the other has let go" has_line "$work/lock.out" '^took it after the other$'

run exit-alone --exit
expect "--exit with nothing running says so and succeeds" has_line "$work/exit-alone.out" 'nothing to stop'

echo "-- the first run"
bash "$here/scripts/run" >"$work/owner.out" 2>&1 &
owner_pid=$!
wait_for 120 has_line "$work/owner.out" 'is running'
sed 's/^/   /' "$work/owner.out"
running=$(grep 'is running' "$work/owner.out")
display=$(sed -nE 's/.*private display (:[0-9]+).*/\1/p' <<<"$running")
expect "one line says the program runs, on which private display" [ -n "$display" ]
expect "it says how to take a screenshot" grep -qF "DISPLAY=$display import -window root $run_dir/shot.png" <<<"$running"
expect "it says where the log is and how to stop" grep -qF "log: $run_dir/ormick-oxel.log; stop: Exit in its tray menu, scripts/run --exit" <<<"$running"
expect "the log is on, in the run folder" has_line "$run_dir/ormick-oxel.log" 'message loop'
expect "its debug information runs beside it" cmp -s "$build/ormick-oxel.exe.debug" "$work/state/wine/ormick-oxel.exe.debug"
expect "the Wine prefix was made while the program was being readied" has_line "$work/owner.out" 'creating the Wine prefix'

expect "its Xvfb and the program carry the prefix (what the end looks for)" \
  eval 'prefix_process_named Xvfb && prefix_process_named ormick-oxel.exe'

# A program the user starts in the same desktop.
DISPLAY="$display" WINEPREFIX="$prefix" WINEDEBUG=-all wine notepad >/dev/null 2>&1 &
notepad_pid=$!

echo "-- later runs while it is up"
run uia --uia-bench
expect "a developer job names its report in the run folder" has_line "$work/uia.out" "^== --uia-bench report: $run_dir/ormick-uia-bench.txt\$"
expect "the report is there" has_line "$run_dir/ormick-uia-bench.txt" '^cursor -?[0-9]+,-?[0-9]+$'
expect "nothing lands in the repository or the current folder" absent "$here/ormick-uia-bench.txt" "$work/ormick-uia-bench.txt"

run named --compare-grab --out compare.txt
expect "a report named on the command line is found from the run folder" has_line "$work/named.out" "^== --compare-grab report: $run_dir/compare.txt\$"

run preview --preview
expect "an image job names its file in the run folder" has_line "$work/preview.out" "^== --preview report: $run_dir/ormick-oxel-preview.png\$"
expect "the image is there" [ -s "$run_dir/ormick-oxel-preview.png" ]
mkdir -p "$work/shots"
run preview-named --preview "$work/shots/p.png"
expect "an image path after the switch is the report, outside the run folder too" \
  has_line "$work/preview-named.out" "^== --preview report: shots/p.png\$"
run scroll-named --scroll-test 0,0,200,150 "$work/shots/s.png" manual 1
expect "so is the path after --scroll-test's rectangle" has_line "$work/scroll-named.out" "^== --scroll-test report: shots/s.png\$"

# An image named from the user's folder is read there (Wine has no recogniser: the job then
# says so, which it only gets to once the image is loaded).
cp "$run_dir/ormick-oxel-preview.png" "$work/in.png"
for job in ocr redact; do
  run "$job-file" "--$job-file" in.png
  expect "--$job-file reads a relative image from the current folder" \
    eval "has_line '$run_dir/ormick-oxel-$job.txt' '^ERROR ' && ! has_line '$run_dir/ormick-oxel-$job.txt' 'cannot load image'"
done

run tiny --scroll-test 0,0,4,4
expect "a job without a report fails" [ $? -ne 0 ]
expect "and shows what it logged" has_line "$work/tiny.out" 'scroll test: no session started'

run capture --capture
expect "a user switch is handed over and taken" has_line "$work/capture.out" '^== handed --capture over to the running ormick-oxel.exe, which took it'
expect "the program got it" has_line "$run_dir/ormick-oxel.log" 'instance command 1$'

run exit --exit
expect "--exit is handed over" has_line "$work/exit.out" '^== handed --exit over'
wait_for 30 ended "$owner_pid"
wait "$owner_pid"
owner_rc=$?
owner_pid=""
sed 's/^/   /' "$work/owner.out" | tail -n 1
expect "the first run ends with the program's status" [ "$owner_rc" -eq 0 ]
# Everything scripts/run starts, its Xvfb included, carries the prefix in its environment.
expect "nothing it started is left: program, desktop, Notepad, Xvfb" wait_for 15 no_prefix_process
expect "the up file is gone" [ ! -e "$work/state/wine/prefix-run.up" ]

echo "-- a developer job as the first run"
run bench --bench 1
expect "it names its report" has_line "$work/bench.out" "^== --bench report: $run_dir/ormick-oxel-bench.txt\$"
expect "it starts a fresh log, the last run's kept beside it" \
  eval "has_line '$run_dir/ormick-oxel.log.1' 'instance command 1\$' && ! has_line '$run_dir/ormick-oxel.log' 'instance command'"
expect "it does not say to exit from the tray" [ -z "$(grep -i 'tray' "$work/bench.out")" ]
expect "it leaves no process of the prefix" wait_for 15 no_prefix_process

[ "$failures" -eq 0 ] && echo "all passed" || { echo "$failures failed"; exit 1; }
