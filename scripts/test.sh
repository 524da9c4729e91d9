#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Non-zero exit on any failure.
# Then builds the libraries again under AddressSanitizer and UndefinedBehaviorSanitizer and runs
# their tests (ZORVANE_SKIP_SANITIZE=1 leaves that out of a quick local run).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
# Without a display the window tests draw offscreen.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    export QT_QPA_PLATFORM=offscreen
fi
ctest --test-dir "$ZORVANE_BUILD" --output-on-failure --parallel "$(nproc)" "$@"

if [[ "${ZORVANE_SKIP_SANITIZE:-0}" != 1 ]]; then
    SANITIZE_BUILD="$ZORVANE_ROOT/build-sanitize"
    if [[ ! -f "$SANITIZE_BUILD/build.ninja" ]]; then
        cmake --preset sanitize -B "$SANITIZE_BUILD" -S "$ZORVANE_ROOT"
    fi
    cmake --build "$SANITIZE_BUILD" --parallel "$(nproc)"
    ctest --test-dir "$SANITIZE_BUILD" --output-on-failure --parallel "$(nproc)" -LE check "$@"
fi
