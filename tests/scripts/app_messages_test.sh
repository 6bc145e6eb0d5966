#!/usr/bin/env bash
# Every private message id declared in win/messages.h is in its APP_MESSAGES list, which the
# header checks at compile time for two ids on one number.
set -uo pipefail
header="$1"
declared=$(sed -n 's/^inline constexpr UINT \(WM_APP_[A-Z_]*\) = .*/\1/p' "$header" | sort)
[ -n "$declared" ] || { echo "FAIL no message id read from $header"; exit 1; }
listed=$(sed -n '/^inline constexpr UINT APP_MESSAGES\[\]/,/^};/p' "$header" | grep -o 'WM_APP_[A-Z_]*' | sort)
missing=$(comm -23 <(echo "$declared") <(echo "$listed"))
[ -z "$missing" ] || { echo "FAIL not in APP_MESSAGES: $missing"; exit 1; }
echo "ok   $(echo "$declared" | wc -l) message ids, each in APP_MESSAGES"
