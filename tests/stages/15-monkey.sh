# SPDX-License-Identifier: MIT
# The monkey (tests/e2e/monkey.sh) at the program of the sanitizer build, under Xvfb: random
# clicks, keys, middle clicks and clipboards for at most MONKEY_EVENTS events or MONKEY_SECONDS
# seconds. CI uses the fixed seed; any other replays a run: MONKEY_SEED=n ./build.sh test.
packages+=(xclip fatrace python3-xlib)
stages+=(monkey_stage)

MONKEY_SEED=${MONKEY_SEED:-20261207}
MONKEY_EVENTS=${MONKEY_EVENTS:-4000}
MONKEY_SECONDS=${MONKEY_SECONDS:-90}

monkey_stage() {
  build_sanitized --target vezuvazov
  tests/e2e/monkey.sh "$SANITIZER_BUILD/app/vezuvazov" "$MONKEY_SEED" "$MONKEY_EVENTS" \
    "$MONKEY_SECONDS"
}
