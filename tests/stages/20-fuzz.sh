# SPDX-License-Identifier: MIT
# Bounded fuzzing: each libFuzzer target of tests/fuzz runs for FUZZ_SECONDS from its committed
# corpus, two at a time (the machine has two cores). A crash, a leak, a sanitizer report or a
# broken property fails the stage. New inputs go to a scratch folder; the committed corpus stays.
# The targets are built in the sanitizer build of 10-sanitizers.sh.
stages+=(fuzz_stage)

FUZZ_SECONDS=30
FUZZ_TARGETS=(fuzz_composer fuzz_key_filter fuzz_path_rule fuzz_writer)

# Runs one target; its log holds libFuzzer's final figures.
run_fuzz_target() {
  local target=$1 scratch=$2 corpus=tests/fuzz/corpus/${1#fuzz_}
  mkdir -p "$scratch/$target"
  TMPDIR=$scratch with_sanitizer_options "$SANITIZER_BUILD/tests/fuzz/$target" -max_total_time="$FUZZ_SECONDS" \
    -timeout=10 -print_final_stats=1 -artifact_prefix="$scratch/$target-" "$scratch/$target" \
    "$corpus" >"$scratch/$target.log" 2>&1
}

fuzz_stage() {
  local start=$SECONDS scratch target i failed=0
  build_sanitized --target "${FUZZ_TARGETS[@]}"
  # In memory where possible: the writer's target saves a file at every run.
  scratch=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
  local pids=()
  for i in "${!FUZZ_TARGETS[@]}"; do
    run_fuzz_target "${FUZZ_TARGETS[$i]}" "$scratch" &
    pids[i]=$!
    # Two at a time: wait for the pair before starting the next one.
    if ((i % 2 == 1)); then
      wait "${pids[i - 1]}" || failed=1
      wait "${pids[i]}" || failed=1
    fi
  done
  if ((${#FUZZ_TARGETS[@]} % 2 == 1)); then wait "${pids[-1]}" || failed=1; fi
  for target in "${FUZZ_TARGETS[@]}"; do
    awk -v t="$target" '/stat::number_of_executed_units/ { n = $2 }
      /stat::average_exec_per_sec/ { r = $2 }
      END { printf "== %-16s %12d executions %10d exec/s\n", t, n, r }' "$scratch/$target.log"
  done
  if ((failed)); then
    for target in "${FUZZ_TARGETS[@]}"; do
      grep -q 'Done [0-9]* runs' "$scratch/$target.log" || { echo "---- $target"; tail -40 "$scratch/$target.log"; }
    done
    rm -rf "$scratch"
    echo "== fuzzing failed" >&2
    return 1
  fi
  rm -rf "$scratch"
  echo "== fuzzing: $((SECONDS - start)) s, nothing found"
}
