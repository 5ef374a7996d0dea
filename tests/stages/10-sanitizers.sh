#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The whole suite once more, in the preset "asan": built by the clang of the Debian release with
# AddressSanitizer and UndefinedBehaviorSanitizer, leaks looked for at every exit, warnings as
# errors. Any report fails the test that ran into it, and so the stage. The same build holds the
# fuzz targets and the monkey's program. llvm brings llvm-symbolizer, which names a report's frames.
# Packages: clang libclang-rt-dev llvm
set -euo pipefail
"$(dirname "$0")/../../tools/install-packages.sh" "$0"
cd "$(dirname "$0")/../.."
cmake --workflow --preset asan
