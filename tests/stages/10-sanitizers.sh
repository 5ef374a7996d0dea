# SPDX-License-Identifier: MIT
# The whole suite once more, built by the clang the Debian release ships (14 on Debian 12, 19 on
# 13) with AddressSanitizer and UndefinedBehaviorSanitizer (leaks on), warnings as errors. Any report fails the test that ran into it, and so the stage.
# The same build holds the fuzz targets of 20-fuzz.sh, so that CI compiles the project only twice.
# llvm brings llvm-symbolizer, which names the frames of a report.
packages+=(clang libclang-rt-dev llvm)
stages+=(sanitizer_stage)

SANITIZER_BUILD=build-asan
# Found from here, so that a test that runs the sanitizer build's program by itself (the monkey)
# brings them too.
SANITIZER_SUPPRESSIONS=$(realpath "$(dirname "${BASH_SOURCE[0]}")/lsan.supp")

# Runs a command with every sanitizer report ending the process in an error, leaks looked for at
# every exit. The build runs the test programs too, to list their tests.
with_sanitizer_options() {
  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$SANITIZER_SUPPRESSIONS:print_suppressions=0" \
    "$@"
}

build_sanitized() {
  [ -f "$SANITIZER_BUILD/build.ninja" ] || CXX=clang++ cmake -S . -B "$SANITIZER_BUILD" \
    -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEZUVAZOV_WERROR=ON -DVEZUVAZOV_BENCH=OFF \
    -DVEZUVAZOV_SANITIZE=ON -DVEZUVAZOV_FUZZ=ON
  with_sanitizer_options cmake --build "$SANITIZER_BUILD" "$@"
}

sanitizer_stage() {
  local start=$SECONDS
  build_sanitized
  with_sanitizer_options ctest --test-dir "$SANITIZER_BUILD" --label-exclude '^fuzz$' --output-on-failure
  echo "== sanitizer build and tests: $((SECONDS - start)) s, no report"
}
