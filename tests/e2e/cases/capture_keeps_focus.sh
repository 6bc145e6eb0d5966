# Captures started while another program's window is active keep the keyboard: each overlay
# holds the focus for a second after it got it, and Esc (sent to whatever has the focus) ends
# it. Then that program snatches the foreground during the capture: the overlay takes it back.
e2e_start_program
out="$E2E_DIR/focus.txt"
for mode in hold steal; do
  args=()
  [ "$mode" = steal ] && args=(steal)
  e2e_helper --out "$(e2e_win_path "$out")" focus-hold 3 1000 "${args[@]}"
  rc=$?
  cat "$out"
  [ "$rc" -eq 0 ] && grep -qx "kept 3 of 3" "$out" || e2e_fail "$mode: a capture lost the focus or Esc did not end it"
done
