#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Bounded fuzzing: CTest runs the libFuzzer targets of tests/fuzz, built in the sanitizer build,
# two at a time (the machine has two cores), each for the time and from the corpus
# tests/fuzz/CMakeLists.txt gives it. A crash, a leak, a sanitizer report or a broken property
# fails the stage.
# Packages: clang libclang-rt-dev llvm
set -euo pipefail
"$(dirname "$0")/../../tools/install-packages.sh" "$0"
cd "$(dirname "$0")/../.."
cmake --workflow --preset fuzz
