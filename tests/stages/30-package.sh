# SPDX-License-Identifier: MIT
# The Debian package, built as a packager would from a Release build of the program alone, and
# checked: its files, its declared dependencies, a stripped binary, the hardening flags and
# lintian. It is built as a reproducible release is, with the last commit's time as
# SOURCE_DATE_EPOCH, and made twice: the second time with the pictures' files a day older, as in
# another clone, compiled in again (rcc stamps them with their files' times, or with
# SOURCE_DATE_EPOCH), and with the program linked again and its file an hour younger. The two must
# be the same bytes, as the SHA256SUMS beside them says.
# shellcheck shell=bash
packages+=(dpkg-dev file binutils lintian)
stages+=(package_stage)

# The program with its resources compiled again, and so linked again. Qt 6.8 writes each
# resource's *_init.cpp once, when the build is configured, and it holds no data.
build_resources_again() {
  find "$1" -name 'qrc_*.cpp' ! -name '*_init.cpp' -delete
  cmake --build "$1" >/dev/null
}

package_stage() {
  local dir=build-package id=example.didadura.Vezuvazov deb contents depends binary fail=0
  local -x SOURCE_DATE_EPOCH
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEZUVAZOV_WERROR=ON \
    -DVEZUVAZOV_TESTS=OFF -DVEZUVAZOV_BENCH=OFF >/dev/null
  cmake --build "$dir"
  rm -f "$dir"/*.deb "$dir"/SHA256SUMS
  build_resources_again "$dir"
  (cd "$dir" && cpack -G DEB >/dev/null)
  deb=$(ls "$dir"/vezuvazov_*.deb)
  echo "package: $deb"
  local first
  first=$(sha256sum "$deb")
  # Older inputs make no build folder build again: the pictures' contents stay what they were.
  touch -d "@$(($(date +%s) - 86400))" assets/*
  build_resources_again "$dir"
  touch -d "@$(($(date +%s) + 3600))" "$dir/app/vezuvazov"
  (cd "$dir" && cpack -G DEB >/dev/null)
  if [ "$(sha256sum "$deb")" != "$first" ]; then
    echo "FAIL: a second package of the same commit differs: $first, then $(sha256sum "$deb")"
    fail=1
  else
    echo "made twice, the same bytes: SHA-256 ${first%% *}"
  fi
  (cd "$dir" && sha256sum --quiet -c SHA256SUMS) || { echo "FAIL: SHA256SUMS does not match"; fail=1; }

  contents=$(dpkg-deb --contents "$deb" | awk '$6 !~ /\/$/ { print $6 }' | sort)
  local expected
  expected=$(sort <<LIST
./usr/games/vezuvazov
./usr/share/applications/$id.desktop
./usr/share/doc/vezuvazov/changelog.Debian.gz
./usr/share/doc/vezuvazov/copyright
./usr/share/icons/hicolor/16x16/apps/$id.png
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/lintian/overrides/vezuvazov
./usr/share/man/man6/vezuvazov.6.gz
./usr/share/metainfo/$id.metainfo.xml
LIST
)
  if [ "$contents" != "$expected" ]; then
    echo "FAIL: the package holds"; echo "$contents"; echo "instead of"; echo "$expected"; fail=1
  fi

  # Package names alone, one a line, without their version constraints.
  depends=$(dpkg-deb --field "$deb" Depends | tr ',' '\n' | awk '{ print $1 }')
  echo "Depends:" $depends
  for dep in fonts-comic-neue fonts-liberation2 libc6 libstdc++6 libqt6core6 libqt6gui6 \
    libqt6widgets6 libxcb1; do
    # Debian 13 renamed the libraries that changed with 64-bit time: libqt6core6t64.
    grep -Fqx -e "$dep" -e "${dep}t64" <<<"$depends" || { echo "FAIL: no dependency on $dep"; fail=1; }
  done

  # Each readelf output is read whole first: grep -q ending a pipe early would fail it.
  binary=$(mktemp -d)
  dpkg-deb --extract "$deb" "$binary"
  local program=$binary/usr/games/vezuvazov sections header segments dynamic symbols
  sections=$(readelf -W -S "$program")
  header=$(readelf -W -h "$program")
  segments=$(readelf -W -l "$program")
  dynamic=$(readelf -W -d "$program")
  symbols=$(readelf -W --dyn-syms "$program")
  grep -q '\.symtab' <<<"$sections" && { echo "FAIL: the binary is not stripped"; fail=1; }
  grep -q 'DYN (Position-Independent Executable' <<<"$header" ||
    { echo "FAIL: the binary is no PIE"; fail=1; }
  grep -q GNU_RELRO <<<"$segments" || { echo "FAIL: no RELRO segment"; fail=1; }
  grep -q 'FLAGS.*BIND_NOW' <<<"$dynamic" || { echo "FAIL: no BIND_NOW (full RELRO)"; fail=1; }
  grep -q __stack_chk_fail <<<"$symbols" || { echo "FAIL: no stack protector"; fail=1; }
  grep -q '__[a-z]*_chk@' <<<"$symbols" || { echo "FAIL: no fortified libc calls"; fail=1; }
  rm -rf "$binary"

  # Debian's own checker, as a sponsor would run it: any error or warning fails the stage.
  lintian --fail-on error,warning "$deb" ||
    { echo "FAIL: lintian finds errors or warnings in the package"; fail=1; }
  [ "$fail" -eq 0 ] && echo "package checks passed"
  return "$fail"
}
