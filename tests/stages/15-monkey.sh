#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The monkey (tests/e2e/monkey.sh, docs/monkey.md) at the program of the sanitizer build, under
# Xvfb: random clicks, keys, middle clicks and clipboards. CI uses the fixed seed; any other
# replays a run: MONKEY_SEED=n ./build.sh test. fatrace watches its writes, python3-xlib its
# windows.
# Packages: clang libclang-rt-dev llvm fatrace python3-xlib
set -euo pipefail
"$(dirname "$0")/../../tools/install-packages.sh" "$0"
cd "$(dirname "$0")/../.."
cmake --workflow --preset monkey
