#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds vezuvazov.exe for 64-bit Windows with Debian's MinGW-w64 and a static Qt built here from
# Debian 13's qt6-base source package, its patch series applied. The build runs on Debian 13: on
# another system (Debian 12) the script runs itself again in a bare Debian 13 system
# (tools/in-debian.sh), with the checkout, the cache and the output folder bound in.
#
#   dist/windows/cross-build.sh                the whole build
#   dist/windows/cross-build.sh --qt-cached    only tells, by its exit status, whether Qt for
#                                              Windows is built in the cache (0) or not (1)
#
# Steps: install the toolchain; fetch Qt's source package and apply its patches; build Qt for
# Windows into the cache folder (long: from about 20 minutes on two idle cores to over an hour on
# busy ones; once: a second run reuses it); build the program and its core tests; gather the
# program with its README and licences in one folder, and make of it a zip, the setup program and
# the relinking kit, with their SHA256SUMS. Two runs on the same commit give the same bytes, also
# with Qt built anew in another folder: every time stamp in them is the last commit's, and no
# build folder's path reaches them.
#
# Environment:
#   VEZUVAZOV_WIN_CACHE  where Qt's sources and build are kept (default ~/.cache/vezuvazov-windows)
#   VEZUVAZOV_WIN_OUT    where the program's build, folder and zip go (default build-windows/)
#   JOBS                 parallel build jobs (default: the number of processors)
#   SOURCE_DATE_EPOCH    the time stamped into the artefacts (default: the last commit's time)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd -P)
repo=$(cd "$here/../.." && pwd -P)

cache=$(realpath -m "${VEZUVAZOV_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vezuvazov-windows}")
out=$(realpath -m "${VEZUVAZOV_WIN_OUT:-$repo/build-windows}")
jobs=${JOBS:-$(nproc)}
toolchain=$here/mingw-w64-x86_64.cmake

# The Qt of the release: Debian 13's source package of this revision. docs/release.md tells how
# to move to a newer one.
qt_source_version=6.8.2+dfsg-9+deb13u2
# Debian's patches that do not fit this build, taken out again after the series is applied:
# - enable_skip_plugins.patch: keeps Qt's CMake files from linking plugins in by default, so
#   that Debian's packages need not depend on every plugin; a static program needs its platform
#   and image plugins linked in, as Qt does by default.
qt_set_aside=(enable_skip_plugins.patch)
qt_dir=$cache/qt6-base-$qt_source_version
qt_source=$qt_dir/source
qt_build=$qt_dir/build
qt_prefix=$qt_dir/mingw-static
qt_stamp=$qt_prefix/.vezuvazov-built

packages=(g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools cmake ninja-build googletest
  dpkg-dev xz-utils zip unzip nsis python3 python3-debian)

# Only what the program uses: Core, Gui and Widgets with the Windows platform plugin and the JPEG
# and ICO image plugins. Qt's own copies of the image and text libraries are built in, as Windows
# has none of them. The Debian tarball lacks the Wintab headers, so tablet input is off. Qt 6.8's
# font database for Windows does not build without DirectWrite, which Direct2D's font engine
# goes with: both stay, as by default. Relocatable: Qt then finds its folders from the
# program's, and stores no installation path.
qt_configure=(-release -static -xplatform win32-g++
  -device-option CROSS_COMPILE=x86_64-w64-mingw32-
  -qt-host-path /usr -nomake examples -nomake tests -no-opengl -feature-relocatable
  -no-feature-vulkan -no-feature-sql -no-feature-network -no-feature-dbus -no-feature-testlib
  -no-feature-printsupport -no-feature-concurrent -no-feature-xml -no-feature-tabletevent
  -qt-zlib -qt-libjpeg -qt-libpng -qt-pcre -qt-freetype -qt-harfbuzz -qt-doubleconversion -no-icu)

# The compilers write source paths into what they make (__FILE__ in Qt's messages, the debugging
# information): these maps write them relative to Qt's folder and the checkout, whatever those
# are on the building machine, as Debian's own packages do.
qt_path_maps="-ffile-prefix-map=$qt_dir=."
program_path_maps="-ffile-prefix-map=$repo=. -ffile-prefix-map=$out=. $qt_path_maps"

step() { echo "== $(date +%H:%M:%S) $*"; }

# Debian's source package, unpacked with its patch series applied, less the patches set aside.
fetch_qt_source() {
  [ -f "$qt_source/.vezuvazov-unpacked" ] && return
  apt-get update -qq
  step "fetching Debian's qt6-base $qt_source_version"
  rm -rf "$qt_dir/package" "$qt_source"
  mkdir -p "$qt_dir/package"
  if ! (cd "$qt_dir/package" && apt-get source --download-only "qt6-base=$qt_source_version"); then
    echo "Debian serves no qt6-base $qt_source_version any more, but:" \
      "$(apt-cache showsrc qt6-base | sed -n 's/^Version: //p' | tr '\n' ' ')" \
      "(see \"A newer Qt revision\" in docs/release.md)" >&2
    exit 1
  fi
  dpkg-source -x "$qt_dir/package/qt6-base_$qt_source_version.dsc" "$qt_source"
  local patch
  for patch in "${qt_set_aside[@]}"; do
    step "setting aside Debian's $patch"
    patch -d "$qt_source" -R -p1 -s <"$qt_source/debian/patches/$patch"
  done
  touch "$qt_source/.vezuvazov-unpacked"
}

# Qt built with today's configuration, and its build tree, which the licence gathering reads.
qt_cached() {
  [ -f "$qt_stamp" ] && [ "$(cat "$qt_stamp")" = "${qt_configure[*]} $qt_path_maps" ] \
    && [ -f "$qt_build/build.ninja" ]
}

build_qt() {
  if qt_cached; then
    step "Qt for Windows already built in $qt_prefix"
    return
  fi
  local started
  started=$(date +%s)
  step "building Qt for Windows into $qt_prefix: this takes long (20 to 80 minutes on two cores)"
  rm -rf "$qt_build" "$qt_prefix"
  mkdir -p "$qt_build"
  (cd "$qt_build" && "$qt_source/configure" -prefix "$qt_prefix" "${qt_configure[@]}" -- \
    -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_C_FLAGS="$qt_path_maps" -DCMAKE_CXX_FLAGS="$qt_path_maps" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
  # rcc stamps Qt's own resources with SOURCE_DATE_EPOCH: the source package's time, as in
  # Debian's own builds, and not the commit's, so that one Qt gives the same program to every
  # commit. The longest step by far, at the lowest priority: the machine stays usable meanwhile.
  SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$qt_source/debian/changelog" -STimestamp) \
    nice -n 19 cmake --build "$qt_build" --parallel "$jobs"
  cmake --install "$qt_build"
  echo "${qt_configure[*]} $qt_path_maps" >"$qt_stamp"
  step "Qt built in $((($(date +%s) - started) / 60)) minutes"
}

build_program() {
  # What the build stamps with the commit's time (the link's) bears the time of the commit it
  # was built for: a build folder of another commit starts afresh.
  local stamp=$out/build/source-date-epoch
  if [ -d "$out/build" ] && [ "$(cat "$stamp" 2>/dev/null)" != "$SOURCE_DATE_EPOCH" ]; then
    step "$out/build was built for another commit: building afresh"
    rm -rf "$out/build"
  fi
  step "building the program and its core tests in $out/build"
  # The preset "windows" takes the folders and the path maps from the environment.
  export VEZUVAZOV_WIN_OUT=$out VEZUVAZOV_QT_DIR=$qt_dir VEZUVAZOV_QT_SOURCE=$qt_source_version \
    VEZUVAZOV_PATH_MAPS=$program_path_maps
  (cd "$repo" && cmake --preset windows >/dev/null && cmake --build --preset windows --parallel "$jobs")
  echo "$SOURCE_DATE_EPOCH" >"$stamp"
}

project_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/build/CMakeCache.txt"
}

# A zip of the folder $2 in $1 that holds the files' contents and names and nothing of the day or
# the machine: entries in byte order, every time the commit's (zip stores local time: in UTC),
# modes without the umask's say, no extra fields with owners or precise times (-X).
make_zip() {
  local zip=$1 parent folder
  parent=$(dirname "$2") folder=$(basename "$2")
  chmod -R u=rwX,go=rX "$2"
  find "$2" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
  rm -f "$zip"
  (cd "$parent" && find "$folder" | LC_ALL=C sort | TZ=UTC zip -X -q -@ "$zip")
}

# Windows' Notepad before 2018 shows LF-only text as one long line.
crlf() {
  sed -i 's/\r*$/\r/' "$@"
}

# The licences: the program's, Qt's LGPL with the GPL it builds on, the relinking offer, and the
# notices of the third-party code that the linker took into the program.
gather_licences() {
  local folder=$1 licences=$1/licenses
  mkdir -p "$licences"
  cp "$repo/LICENSE" "$folder/LICENSE.txt"
  cp "$qt_source/LICENSES/LGPL-3.0-only.txt" "$licences/LGPL-3.0.txt"
  cp "$qt_source/LICENSES/GPL-3.0-only.txt" "$licences/GPL-3.0.txt"
  cp "$out/build/RELINKING.txt" "$licences/RELINKING.txt"
  step "gathering the notices of the third-party code in the program"
  [ -f "$qt_build/build.ninja" ] \
    || { echo "Qt's build tree $qt_build is gone: remove $qt_stamp to build Qt again" >&2; exit 1; }
  python3 "$here/gather-notices.py" "$out/build/app/vezuvazov.exe.map" "$qt_source" \
    "$qt_build" "$qt_prefix" "$licences/THIRD-PARTY-NOTICES.txt" | sed 's/^/   /'
  crlf "$folder/LICENSE.txt" "$licences"/*.txt
}

# makensis's lists of what to install and uninstall, file by file.
nsis_file_lists() {
  local folder=$1 dir file
  echo '!macro VZ_INSTALL_FILES'
  while IFS= read -r dir; do
    echo "  SetOutPath \"\$INSTDIR${dir:+\\${dir//\//\\}}\""
    find "$folder/$dir" -maxdepth 1 -type f | LC_ALL=C sort | sed 's/.*/  File "&"/'
  done < <(cd "$folder" && find . -type d | sed 's|^\./\{0,1\}||' | LC_ALL=C sort)
  echo '!macroend'
  echo '!macro VZ_UNINSTALL_FILES'
  while IFS= read -r file; do
    echo "  Delete \"\$INSTDIR\\${file//\//\\}\""
  done < <(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
  while IFS= read -r dir; do
    echo "  RMDir \"\$INSTDIR\\${dir//\//\\}\""
  done < <(cd "$folder" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r)
  echo '!macroend'
}

make_installer() {
  local folder=$1 setup=$2
  step "making the setup program $(basename "$setup")"
  nsis_file_lists "$folder" >"$out/build/vezuvazov-files.nsh"
  makensis -V2 -DFILES="$out/build/vezuvazov-files.nsh" -DOUTFILE="$setup" "$out/build/vezuvazov.nsi"
}

# The program's own object files and the command that links them, so that anyone can link the
# program with another static Qt (Qt's LGPL asks for it; RELINKING.txt offers it).
make_relink_kit() {
  local zip=$1 kit link token
  kit=$out/relink/$(basename "$zip" .zip)
  step "making the relinking kit $(basename "$zip")"
  rm -rf "$out/relink"
  mkdir -p "$kit"
  link=$(cd "$out/build" && ninja -t commands app/vezuvazov.exe | tail -n 1)
  link=${link//"$qt_prefix"/\$QT_PREFIX}
  # Without the map, and without the path maps, which name this machine's folders and do
  # nothing in a link.
  link=$(sed 's/ -Wl,-Map=[^ ]*//; s/ -ffile-prefix-map=[^ ]*//g; s/^: && //; s/ && :$//' <<<"$link")
  # The compiler as relink.sh finds it on the relinking machine, not as it lies on this one.
  link="\"\$CXX\" ${link#* }"
  # The link's inputs from the program's build folder (not the program it makes), without the
  # debugging information, which a relink does not need.
  for token in $link; do
    if [[ $token != /* && $token != -* && $token != *.exe && -f "$out/build/$token" ]]; then
      mkdir -p "$kit/$(dirname "$token")"
      cp "$out/build/$token" "$kit/$token"
      [[ $token == *.res ]] || x86_64-w64-mingw32-strip --strip-debug "$kit/$token"
    fi
  done
  {
    cat <<'EOF'
#!/bin/sh
# Links app/vezuvazov.exe from the object files beside this script with the static Qt for
# 64-bit Windows in QT_PREFIX, built with MinGW-w64 as dist/windows/cross-build.sh does.
# CXX is MinGW-w64's C++ compiler, found on PATH when not set. With the release's own Qt and
# compiler, the program comes out as released once stripped with the release's time, as in
#   SOURCE_DATE_EPOCH=<the time below> x86_64-w64-mingw32-strip app/vezuvazov.exe
set -e
: "${QT_PREFIX:?set QT_PREFIX to the static Qt to link with}"
if [ -z "${CXX:-}" ]; then
  for CXX in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-g++ ""; do
    command -v "$CXX" >/dev/null 2>&1 && break
  done
  [ -n "$CXX" ] || { echo "no MinGW-w64 C++ compiler on PATH: set CXX to one" >&2; exit 1; }
fi
cd "$(dirname "$0")"
EOF
    echo ": \"\${SOURCE_DATE_EPOCH:=$SOURCE_DATE_EPOCH}\""
    echo "export SOURCE_DATE_EPOCH"
    echo "$link"
  } >"$kit/relink.sh"
  chmod +x "$kit/relink.sh"
  make_zip "$zip" "$kit"
}

# The kit as it is published links, with this Qt, the very program of the folder $2.
check_relink_kit() {
  local zip=$1 exe=$2 unpacked
  unpacked=$(mktemp -d)
  unzip -q "$zip" -d "$unpacked"
  QT_PREFIX=$qt_prefix "$unpacked/$(basename "$zip" .zip)/relink.sh"
  x86_64-w64-mingw32-strip "$unpacked/$(basename "$zip" .zip)/app/vezuvazov.exe"
  if ! cmp -s "$exe" "$unpacked/$(basename "$zip" .zip)/app/vezuvazov.exe"; then
    echo "the relinking kit links another program than $exe (kept in $unpacked)" >&2
    exit 1
  fi
  rm -rf "$unpacked"
  step "the relinking kit links the very same vezuvazov.exe"
}

# The versions of the packages that decide the bytes, beside the checksums: Debian serves newer
# ones as time goes on, and whoever rebuilds a release needs these.
record_packages() {
  dpkg-query -W -f='${Package} ${Version}\n' "${packages[@]}" binutils-mingw-w64-x86-64 \
    gcc-mingw-w64-x86-64-posix-runtime mingw-w64-x86-64-dev | LC_ALL=C sort >"$1"
}

gather() {
  local folder=$out/vezuvazov-windows version
  version=$(project_version)
  step "gathering the program in $folder"
  rm -rf "$folder" "$out"/vezuvazov-*.zip "$out"/vezuvazov-*-setup.exe
  mkdir -p "$folder"
  # Qt, its plugins and the compiler's runtime are linked in: the program is one file.
  cp "$out/build/app/vezuvazov.exe" "$folder/"
  x86_64-w64-mingw32-strip "$folder/vezuvazov.exe"
  cp "$out/build/README.txt" "$folder/README.txt"
  crlf "$folder/README.txt"
  gather_licences "$folder"
  make_zip "$out/vezuvazov-$version-windows.zip" "$folder"
  make_installer "$folder" "$out/vezuvazov-$version-setup.exe"
  make_relink_kit "$out/vezuvazov-$version-relink.zip"
  check_relink_kit "$out/vezuvazov-$version-relink.zip" "$folder/vezuvazov.exe"
  (cd "$out" && sha256sum "vezuvazov-$version-windows.zip" "vezuvazov-$version-setup.exe" \
    "vezuvazov-$version-relink.zip" >SHA256SUMS)
  record_packages "$out/build-packages.txt"
  step "done: $(du -sh "$folder" | cut -f1) folder; $(cd "$out" && du -h vezuvazov-"$version"-* | tr '\t\n' ' ')"
  step "SHA256SUMS (commit time $SOURCE_DATE_EPOCH):"
  sed 's/^/   /' "$out/SHA256SUMS"
}

case "${1:-}" in
  --qt-cached) qt_cached; exit ;;
  "") ;;
  *) echo "usage: $0 [--qt-cached]" >&2; exit 2 ;;
esac

# The linker and strip stamp it into the .exe's headers; zip gets it from the files' times.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$repo" log -1 --format=%ct) \
    || { echo "not a git checkout: set SOURCE_DATE_EPOCH to the release's time" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH
mkdir -p "$cache" "$out"

# Qt 6.8's build tools for the build machine, which a cross-build of Qt 6.8 needs, come with
# Debian 13: the build runs there, in a Debian 13 system with these packages on another release.
if [ "${VEZUVAZOV_IN_DEBIAN:-}" != 13 ]; then
  exec "$repo/tools/in-debian.sh" 13 --with "${packages[*]}" --bind "$repo" --bind "$cache" \
    --bind "$out" -- env VEZUVAZOV_WIN_CACHE="$cache" VEZUVAZOV_WIN_OUT="$out" JOBS="$jobs" \
    SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH" "$here/cross-build.sh"
fi
# Run as root there, the files made belong to whoever owns the checkout, as they would outside.
if [ "$(id -u)" -eq 0 ]; then
  trap 'chown -R --from=0:0 "$(stat -c %u:%g "$repo")" "$out" "$cache"' EXIT
fi
"$repo/tools/install-packages.sh" "${packages[@]}"
fetch_qt_source
build_qt
build_program
gather
