# zbar (QR codes only) for mingw, built from Debian's source package with our patches
# (scripts/zbar-patches) into build/deps/zbar. Sourced by scripts/setup after lib.sh, once
# apt can see Debian's source packages; $deps is setup's dependency folder. mingw has no
# iconv: zbar is compiled against our header (src/qr/iconv/iconv.h) and the program links
# our iconv layer over MultiByteToWideChar (src/qr/iconv_win.cpp).

ZBAR_PACKAGES=(autoconf automake libtool autopoint gettext libzbar-dev)

# What the finished build depends on besides zbar's version: a change to any of these rebuilds.
zbar_recipe_hash() {
  cat "$here/scripts/zbar.sh" "$here/scripts/zbar-patches"/*.patch "$here/src/qr/iconv/iconv.h" \
    | sha256sum | cut -c1-16
}

# Runs "$@" in the folder $1.
in_dir() { (cd "$1" && shift && "$@"); }

build_zbar_for_mingw() {
  ORMICK_STEP="zbar for mingw"
  local prefix="$deps/zbar" work="$deps/src/zbar"
  local versions recipe built="" want v version="" src
  versions=$(apt-cache showsrc zbar 2>/dev/null | sed -n 's/^Version: //p' | sort -uVr)
  [ -n "$versions" ] || fail "no zbar source package is known to apt"
  recipe=$(zbar_recipe_hash) || fail "hashing the zbar recipe"
  [ -f "$prefix/.version" ] && built=$(cat "$prefix/.version")
  for v in $versions; do
    if [ "$built" = "$v $recipe" ]; then
      step "zbar $v for mingw already built"
      return 0
    fi
  done
  rm -rf "$work" "$prefix" || fail "removing the old zbar build"
  mkdir -p "$work" || fail "creating $work"
  step "downloading Debian's zbar source"
  for v in $versions; do
    if with_heartbeat "downloading zbar $v" "$deps/src/zbar-download.log" \
        in_dir "$work" apt-get source --download-only -qq "zbar=$v"; then
      version="$v"; break
    fi
    rm -f "$work"/*
  done
  [ -n "$version" ] || { tail -20 "$deps/src/zbar-download.log"
    fail "apt-get source zbar (no listed version could be downloaded)"; }
  step "building zbar $version for mingw (QR only)"
  src="$work/zbar"
  # dpkg-source applies Debian's own patches (security fixes among them).
  with_heartbeat "unpacking zbar" "$work/unpack.log" in_dir "$work" dpkg-source -x "$work"/zbar_*.dsc zbar \
    || { tail -20 "$work/unpack.log"; fail "unpacking zbar"; }
  local p
  for p in "$here/scripts/zbar-patches"/*.patch; do
    patch -d "$src" -p1 --forward --batch <"$p" >>"$work/unpack.log" 2>&1 \
      || { tail -20 "$work/unpack.log"; fail "applying $(basename "$p")"; }
  done
  with_heartbeat "zbar autoreconf" "$work/autoreconf.log" in_dir "$src" autoreconf -vfi \
    || { tail -30 "$work/autoreconf.log"; fail "zbar autoreconf"; }
  # iconv is ours: configure is told it exists and needs no library of its own.
  step "configuring zbar for mingw"
  with_heartbeat "configuring zbar" "$work/configure.log" in_dir "$src" ./configure --host=x86_64-w64-mingw32 \
      CC=x86_64-w64-mingw32-gcc-posix CPPFLAGS="-I$here/src/qr/iconv" \
      am_cv_func_iconv=yes am_cv_lib_iconv=no \
      --disable-shared --enable-static --enable-codes=qrcode --disable-video --disable-nls \
      --disable-doc --disable-assert --without-x --without-gtk --without-qt --without-qt5 \
      --without-python --without-imagemagick --without-java --without-dbus --without-jpeg \
    || { tail -30 "$work/configure.log"; fail "zbar configure"; }
  step "compiling zbar"
  with_heartbeat "compiling zbar" "$work/build.log" make -C "$src/zbar" -j4 libzbar.la \
    || { tail -30 "$work/build.log"; fail "zbar build"; }
  mkdir -p "$prefix/lib" "$prefix/include/zbar" || fail "creating $prefix"
  cp "$src/zbar/.libs/libzbar.a" "$prefix/lib/" || fail "installing libzbar.a"
  cp "$src/include/zbar.h" "$prefix/include/" || fail "installing zbar.h"
  cp "$src/include/zbar"/*.h "$prefix/include/zbar/" || fail "installing zbar's C++ headers"
  echo "$version $recipe" >"$prefix/.version" || fail "recording the zbar version"
}
