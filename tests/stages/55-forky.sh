#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Debian forky, the release in development (Debian's testing), where a packager or a derivative
# that follows it meets a new toolchain first (CMake 4, Qt 6.11, GCC 16, clang 21): what a new
# toolchain can change, in a forky system (tools/test-in-debian.sh): the sanitizer build (clang)
# and the whole suite in it, and the package with its checks and lintian (GCC), each with warnings
# as errors. The monkey, fuzzing and the Windows core test the program's own behaviour, which the
# suite there already shows unchanged.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/test-in-debian.sh forky tests/stages/10-sanitizers.sh tests/stages/30-package.sh
