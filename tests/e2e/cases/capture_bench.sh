# "--bench 3": three sessions that close themselves, each with its marks in phase order.
e2e_start --bench 3
report="$E2E_TEMP/ormick-oxel-bench.txt"
# Written whole under a temporary name and then renamed: complete once it is there.
e2e_poll 120 test -s "$report" || e2e_fail "no report $report"
cat "$report"
head -n 1 "$report" | grep -qx 'virtual screen 1920x1080, 3 runs (ms from trigger)' || e2e_fail "wrong first line"
mark=' +[0-9]+\.[0-9]'
order="dxgi$mark(  gdi$mark)?  buffers$mark  dim$mark  windows$mark  window$mark  paint$mark  visible$mark(  focus-forced$mark)?  focus$mark"
for n in 1 2 3; do
  grep -qE "^run $n: $order\$" "$report" || e2e_fail "run $n is missing or its marks are out of order"
done
grep -qE '^median until focused [0-9]+\.[0-9] ms, worst [0-9]+\.[0-9] ms$' "$report" || e2e_fail "no median line"
[ "$(wc -l <"$report")" -eq 5 ] || e2e_fail "unexpected lines in the report"
