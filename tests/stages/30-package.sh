# SPDX-License-Identifier: MIT
# The Debian package, built as a packager would from a Release build of the program alone, and
# checked: its files, its declared dependencies, a stripped binary and the hardening flags.
# shellcheck shell=bash
packages+=(dpkg-dev file binutils)
stages+=(package_stage)

package_stage() {
  local dir=build-package id=example.didadura.Vezuvazov deb contents depends binary fail=0
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEZUVAZOV_WERROR=ON \
    -DVEZUVAZOV_TESTS=OFF -DVEZUVAZOV_BENCH=OFF >/dev/null
  cmake --build "$dir"
  rm -f "$dir"/*.deb
  (cd "$dir" && cpack -G DEB >/dev/null)
  deb=$(ls "$dir"/vezuvazov_*.deb)
  echo "package: $deb"

  contents=$(dpkg-deb --contents "$deb" | awk '$6 !~ /\/$/ { print $6 }' | sort)
  local expected
  expected=$(sort <<LIST
./usr/bin/vezuvazov
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/16x16/apps/$id.png
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
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
    grep -Fqx "$dep" <<<"$depends" || { echo "FAIL: no dependency on $dep"; fail=1; }
  done

  # Each readelf output is read whole first: grep -q ending a pipe early would fail it.
  binary=$(mktemp -d)
  dpkg-deb --extract "$deb" "$binary"
  local program=$binary/usr/bin/vezuvazov sections header segments dynamic symbols
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
  [ "$fail" -eq 0 ] && echo "package checks passed"
  return "$fail"
}
