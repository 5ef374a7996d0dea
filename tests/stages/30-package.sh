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

  contents=$(dpkg-deb --contents "$deb" | awk '{ print $6 }' | grep -v '/$' | sort)
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

  depends=$(dpkg-deb --field "$deb" Depends)
  echo "Depends: $depends"
  for dep in fonts-comic-neue fonts-liberation2 libc6 libstdc++6 libqt6core6 libqt6gui6 \
    libqt6widgets6 libxcb1; do
    grep -Eq "(^|, )$dep( |,|$)" <<<"$depends" || { echo "FAIL: no dependency on $dep"; fail=1; }
  done

  binary=$(mktemp -d)
  dpkg-deb --extract "$deb" "$binary"
  local program=$binary/usr/bin/vezuvazov
  readelf -S "$program" | grep -q '\.symtab' && { echo "FAIL: the binary is not stripped"; fail=1; }
  readelf -h "$program" | grep -q 'DYN (Position-Independent Executable' ||
    { echo "FAIL: the binary is no PIE"; fail=1; }
  readelf -l "$program" | grep -q GNU_RELRO || { echo "FAIL: no RELRO segment"; fail=1; }
  readelf -d "$program" | grep -q 'FLAGS.*BIND_NOW' || { echo "FAIL: no BIND_NOW (full RELRO)"; fail=1; }
  readelf --dyn-syms "$program" | grep -q __stack_chk_fail ||
    { echo "FAIL: no stack protector"; fail=1; }
  readelf --dyn-syms "$program" | grep -q '__[a-z]*_chk@' ||
    { echo "FAIL: no fortified libc calls"; fail=1; }
  rm -rf "$binary"
  [ "$fail" -eq 0 ] && echo "package checks passed"
  return "$fail"
}
