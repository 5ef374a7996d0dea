# SPDX-License-Identifier: MIT
# Bounded fuzzing: CTest runs the libFuzzer targets of tests/fuzz (label "fuzz"), two at a time (the
# machine has two cores), each for the time and from the corpus tests/fuzz/CMakeLists.txt gives it.
# A crash, a leak, a sanitizer report or a broken property fails the stage. The targets are built
# in the sanitizer build of 10-sanitizers.sh.
stages+=(fuzz_stage)

fuzz_stage() {
  build_sanitized
  with_sanitizer_options ctest --test-dir "$SANITIZER_BUILD" --label-regex '^fuzz$' --parallel 2 \
    --output-on-failure
}
