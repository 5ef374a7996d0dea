#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Debian 13, the stable release, on a machine of another release: the sanitizer build (clang) and
# the whole suite in it, the monkey, and the package with its checks and lintian (GCC), each with
# warnings as errors, in a Debian 13 system (tools/test-in-debian.sh). Its Qt 6.8, GCC 14 and
# clang 19 have differed from Debian 12's in each of these; what the suite found there, it found in
# the sanitizer build, which runs it once. Fuzzing and the Windows core are left to the machine's
# own release: the fuzz targets' code is the same everywhere, and the Windows program is built in
# Debian 13 by 45-windows.sh, with the core's tests.
set -euo pipefail
cd "$(dirname "$0")/../.."
# A third of the monkey's time on the machine's release: there it shows that the program behaves
# and the write watch sees its saves on Debian 13's Qt and fatrace; hostile input at length is the
# machine's own run.
MONKEY_SECONDS=${MONKEY_SECONDS:-30} tools/test-in-debian.sh 13 tests/stages/10-sanitizers.sh \
  tests/stages/15-monkey.sh tests/stages/30-package.sh
