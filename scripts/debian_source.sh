# Makes Debian's libpng1.6 source package known to apt (Debian has no mingw build of libpng, so
# setup builds it from that source). Sourced by scripts/setup after scripts/lib.sh; the caller
# defines as_root. apt's folders come from apt-config, so APT_CONFIG can point a test at a
# sandbox instead of this machine's apt.

DEBIAN_SOURCE_FILE_NAME=ormick-oxel-src.sources

# True when apt lists a version of the libpng1.6 source package. Asking apt, not grepping the
# sources files: a deb-src line of some other repository says nothing about Debian's packages.
png_source_visible() {
  # grep reads everything, so apt-cache never dies of a closed pipe under pipefail.
  apt-cache showsrc libpng1.6 2>/dev/null | grep '^Version: ' >/dev/null
}

# Prints a deb-src entry for Debian's suites: the deb stanzas of the deb822 file $1 with their
# type changed (same mirrors, suites, components and keys), or deb.debian.org for this
# release's suites when $1 is missing or has none.
debian_src_entry() {
  local debian_sources="$1" stanzas=""
  if [ -f "$debian_sources" ]; then
    stanzas=$(sed -n '/^Types: deb$/,/^$/p' "$debian_sources" | sed 's/^Types: deb$/Types: deb-src/') || return 1
  fi
  if [ -n "$stanzas" ]; then
    printf '%s\n' "$stanzas"
    return 0
  fi
  local codename
  codename=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
  codename=${codename:-bookworm}
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$codename" "$codename"
}

# The folder of apt's *.sources and *.list files.
apt_source_parts() {
  local parts=""
  eval "$(apt-config shell parts Dir::Etc::sourceparts/d)" || return 1
  [ -n "$parts" ] || return 1
  printf '%s\n' "${parts%/}"
}

# Where apt-get update's output goes (a test's sandbox sets ORMICK_APT_LOG).
apt_log() { printf '%s\n' "${ORMICK_APT_LOG:-$here/build/apt-update.log}"; }

# Ensures apt can see the libpng1.6 source: when it cannot, first refreshes apt's lists (unless
# $1 says they were refreshed in this run already: the entry may just be new), then adds our
# deb-src entry for Debian's suites and refreshes again. Fails naming the step.
ensure_png_source() {
  local lists_fresh="${1:-0}"
  if png_source_visible; then
    step "libpng1.6 source known to apt"
    return 0
  fi
  if [ "$lists_fresh" -eq 0 ]; then
    step "refreshing apt's lists to find the libpng1.6 source"
    with_heartbeat "apt-get update" "$(apt_log)" as_root apt-get update -qq || { tail -n 20 "$(apt_log)"; fail "apt-get update"; }
    png_source_visible && return 0
  fi
  local parts src tmp
  parts=$(apt_source_parts) || fail "finding apt's sources folder (apt-config)"
  src="$parts/$DEBIAN_SOURCE_FILE_NAME"
  if [ -s "$src" ]; then
    fail "libpng1.6 source not known to apt although $src exists (a mirror without source packages?)"
  fi
  step "adding a deb-src entry for Debian's suites: $src"
  tmp=$(mktemp) || fail "adding a deb-src entry: mktemp"
  if ! debian_src_entry "$parts/debian.sources" >"$tmp"; then
    rm -f "$tmp"
    fail "adding a deb-src entry: reading $parts/debian.sources"
  fi
  if ! as_root install -m 0644 "$tmp" "$src"; then
    rm -f "$tmp"
    fail "adding a deb-src entry: writing $src"
  fi
  rm -f "$tmp"
  with_heartbeat "apt-get update" "$(apt_log)" as_root apt-get update -qq \
    || { tail -n 20 "$(apt_log)"; fail "apt-get update (deb-src)"; }
  png_source_visible || fail "libpng1.6 source not known to apt even with $src"
}
