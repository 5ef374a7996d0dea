#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package, built as a packager builds it (the preset "package": a Release build of the
# program alone, warnings as errors), and checked: its files, its declared dependencies, the
# hardening of its binary (hardening-check) and lintian. It is built as a reproducible release is,
# with the last commit's time as SOURCE_DATE_EPOCH, and made twice: the second time with the
# pictures' files a day older, as in another clone, compiled in again (rcc's second format would
# stamp them with their files' times), and with the program linked again and its file an hour
# younger. The two must be the same bytes, as the SHA256SUMS beside them says.
# Packages: dpkg-dev file lintian devscripts
set -euo pipefail
"$(dirname "$0")/../../tools/install-packages.sh" "$0"
cd "$(dirname "$0")/../.."
dir=build-package
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

# The program with its resources compiled again, and so linked again. Qt 6.8 writes each
# resource's *_init.cpp once, when the build is configured, and it holds no data.
build_resources_again() {
  find "$dir" -name 'qrc_*.cpp' ! -name '*_init.cpp' -delete
  cmake --build --preset package >/dev/null
}

cmake --preset package >/dev/null
cmake --build --preset package
rm -f "$dir"/*.deb "$dir"/SHA256SUMS
build_resources_again
cpack --preset package >/dev/null
deb=$(ls "$dir"/vezuvazov_*.deb)
echo "package: $deb"
first=$(sha256sum "$deb")
# Older inputs make no build folder build again: the pictures' contents stay what they were.
touch -d "@$(($(date +%s) - 86400))" assets/*
build_resources_again
touch -d "@$(($(date +%s) + 3600))" "$dir/app/vezuvazov"
cpack --preset package >/dev/null
fail=0
if [ "$(sha256sum "$deb")" != "$first" ]; then
  echo "FAIL: a second package of the same commit differs: $first, then $(sha256sum "$deb")"
  fail=1
else
  echo "made twice, the same bytes: SHA-256 ${first%% *}"
fi
(cd "$dir" && sha256sum --quiet -c SHA256SUMS) ||
  { echo "FAIL: SHA256SUMS does not match"; fail=1; }

id=$(sed -n 's/^VEZUVAZOV_APP_ID:INTERNAL=//p' "$dir/CMakeCache.txt")
contents=$(dpkg-deb --contents "$deb" | awk '$6 !~ /\/$/ { print $6 }' | sort)
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

# Package names alone, one a line, without their version constraints: the libraries
# dpkg-shlibdeps must find, and the packages the package's settings name.
depends=$(dpkg-deb --field "$deb" Depends | tr ',' '\n' | awk '{ print $1 }')
echo "Depends:" $depends
named=$(sed -n 's/^set(CPACK_DEBIAN_PACKAGE_DEPENDS "\(.*\)")$/\1/p' "$dir/CPackConfig.cmake")
for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libxcb1 ${named//,/ }; do
  # Debian 13 renamed the libraries that changed with 64-bit time: libqt6core6t64.
  grep -Fqx -e "$dep" -e "${dep}t64" <<<"$depends" ||
    { echo "FAIL: no dependency on $dep"; fail=1; }
done

# PIE, stack protector, fortified libc calls, RELRO and BIND_NOW, as Debian checks them; lintian
# fails an unstripped binary. Not control-flow protection: Debian's C start files are not marked
# for it, so that no program linked there is (/usr/bin/ls neither, on Debian 12 and on forky). Nor
# branch protection, arm64's, where hardening-check knows it and the processor is another.
binary=$(mktemp -d)
trap 'rm -rf "$binary"' EXIT
dpkg-deb --extract "$deb" "$binary"
unchecked=(--nocfprotection)
[ "$(dpkg --print-architecture)" = arm64 ] ||
  [[ $(hardening-check --help) != *nobranchprotection* ]] || unchecked+=(--nobranchprotection)
hardening-check "${unchecked[@]}" "$binary/usr/games/vezuvazov" ||
  { echo "FAIL: the binary lacks hardening"; fail=1; }

# Debian's own checker, as a sponsor would run it: any error or warning fails the stage.
lintian --fail-on error,warning "$deb" ||
  { echo "FAIL: lintian finds errors or warnings in the package"; fail=1; }
[ "$fail" -eq 0 ] && echo "package checks passed"
exit "$fail"
