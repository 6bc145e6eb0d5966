#!/usr/bin/env bash
# Setup's deb-src step (scripts/debian_source.sh) against a sandboxed apt: APT_CONFIG gives it
# its own sources, lists and cache and local file: repositories, so this machine's apt is
# neither read nor changed and nothing goes over the network.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$here/scripts/lib.sh"
. "$here/scripts/debian_source.sh"
as_root() { "$@"; }  # the sandbox belongs to us

work=$(mktemp -d /tmp/ormick-debsrc.XXXXXX) || exit 1
trap 'rm -rf "$work"' EXIT
export ORMICK_APT_LOG="$work/apt-update.log"
failures=0
expect() {  # expect DESCRIPTION COMMAND...
  local what="$1"
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

# Repositories: Debian's mirror (binary and source lists, the source one with libpng1.6),
# a mirror without source packages, and a third-party one whose sources hold something else.
source_stanza() {
  printf 'Package: %s\nBinary: %s\nVersion: %s\nMaintainer: T <t@example.org>\nArchitecture: any\nFormat: 3.0 (quilt)\nDirectory: pool/main/x/%s\nFiles:\n d41d8cd98f00b204e9800998ecf8427e 0 %s_%s.dsc\n\n' \
    "$1" "$1" "$2" "$1" "$1" "$2"
}
mkdir -p "$work/repo/debian" "$work/repo/bare" "$work/repo/other"
: >"$work/repo/debian/Packages"
source_stanza libpng1.6 1.6.39-2 >"$work/repo/debian/Sources"
: >"$work/repo/bare/Packages"
: >"$work/repo/bare/Sources"
source_stanza otherthing 2.0-1 >"$work/repo/other/Sources"
: >"$work/repo/other/Packages"

# A fresh apt of our own under $work/$1 with these sources (deb822 text per file name).
sandbox() {
  local sb="$work/$1"
  shift
  mkdir -p "$sb/sources.list.d" "$sb/apt.conf.d" "$sb/state/lists/partial" "$sb/cache/archives/partial" "$sb/log"
  : >"$sb/status"
  : >"$sb/sources.list"
  cat >"$sb/apt.conf" <<EOF
Dir::Etc::main "$sb/apt.conf";
Dir::Etc::parts "$sb/apt.conf.d";
Dir::Etc::sourcelist "$sb/sources.list";
Dir::Etc::sourceparts "$sb/sources.list.d";
Dir::State "$sb/state";
Dir::State::status "$sb/status";
Dir::Cache "$sb/cache";
Dir::Log "$sb/log";
APT::Sandbox::User "root";
EOF
  while [ $# -ge 2 ]; do
    printf '%s' "$2" >"$sb/sources.list.d/$1"
    shift 2
  done
  export APT_CONFIG="$sb/apt.conf"
  SB="$sb"
}
stanza() { printf 'Types: %s\nURIs: file:%s\nSuites: ./\nTrusted: yes\n' "$1" "$work/repo/$2"; }
refresh() { apt-get update -qq >/dev/null 2>&1; }
run_ensure() {  # run_ensure LISTS_FRESH: output in $OUT, exit status in $RC
  OUT=$( (ensure_png_source "$1") 2>&1)
  RC=$?
}
not() { ! "$@"; }
has() { [[ "$1" == *"$2"* ]]; }
lacks() { [[ "$1" != *"$2"* ]]; }

echo "-- Debian without deb-src, a third party with deb-src"
sandbox plain debian.sources "$(stanza deb debian)" other.sources "$(stanza deb-src other)"
refresh
expect "a third party's deb-src does not count" not png_source_visible
run_ensure 1
expect "the step succeeds" test "$RC" -eq 0
expect "it adds our entry" test -s "$SB/sources.list.d/$DEBIAN_SOURCE_FILE_NAME"
added=$(cat "$SB/sources.list.d/$DEBIAN_SOURCE_FILE_NAME" 2>/dev/null)
expect "the entry is Debian's stanza as deb-src" test "$added" = "$(stanza deb-src debian)"
expect "apt now lists the source" png_source_visible
run_ensure 0
expect "a second run succeeds" test "$RC" -eq 0
expect "a second run changes nothing" test "$(cat "$SB/sources.list.d/$DEBIAN_SOURCE_FILE_NAME")" = "$added"
expect "a second run says the source is known" has "$OUT" "libpng1.6 source known to apt"
expect "a second run adds nothing" lacks "$OUT" "adding"

echo "-- Debian's deb-src configured, lists not refreshed yet"
sandbox stale debian.sources "$(stanza deb debian)"$'\n\n'"$(stanza deb-src debian)"
expect "not visible before a refresh" not png_source_visible
run_ensure 0
expect "the step succeeds" test "$RC" -eq 0
expect "it refreshes the lists" has "$OUT" "refreshing apt's lists"
expect "it adds no second entry" test ! -e "$SB/sources.list.d/$DEBIAN_SOURCE_FILE_NAME"

echo "-- Debian's mirror serves no source packages"
sandbox bare debian.sources "$(stanza deb bare)" other.sources "$(stanza deb-src other)"
refresh
run_ensure 0
expect "the step fails" test "$RC" -ne 0
expect "the failure is loud and named" has "$OUT" "!! FAILED: libpng1.6 source not known to apt even with"
run_ensure 0
expect "a rerun fails too, naming our entry" has "$OUT" "!! FAILED: libpng1.6 source not known to apt although"

echo "-- the entry cannot be written (say sudo refuses)"
sandbox refused debian.sources "$(stanza deb debian)"
OUT=$( (as_root() { [ "$1" != install ] && "$@"; }; ensure_png_source 1) 2>&1)
RC=$?
expect "the step fails" test "$RC" -ne 0
expect "the failure is loud and named" has "$OUT" "!! FAILED: adding a deb-src entry: writing $SB/sources.list.d/"

echo "-- the entry made from Debian's sources file"
printf '%s\n' "# Debian" "Types: deb" "URIs: http://deb.example/debian" "Suites: bookworm bookworm-updates" \
  "Components: main" "" "Types: deb-src" "URIs: http://deb.example/old" "Suites: bookworm" "" \
  "Types: deb" "URIs: http://deb.example/debian-security" "Suites: bookworm-security" "Components: main" \
  >"$work/debian.sources"
expect "every deb stanza, as deb-src, and nothing else" test "$(debian_src_entry "$work/debian.sources")" = \
  "$(printf '%s\n' "Types: deb-src" "URIs: http://deb.example/debian" "Suites: bookworm bookworm-updates" \
    "Components: main" "" "Types: deb-src" "URIs: http://deb.example/debian-security" \
    "Suites: bookworm-security" "Components: main")"
fallback=$(debian_src_entry "$work/missing.sources")
codename=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
expect "without the file: deb.debian.org" has "$fallback" $'Types: deb-src\nURIs: http://deb.debian.org/debian\n'
expect "without the file: this release's suites" has "$fallback" "Suites: ${codename:-bookworm} ${codename:-bookworm}-updates"

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
echo "all passed"
