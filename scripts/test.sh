#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Non-zero exit on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
# Without a display the window tests draw offscreen.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    export QT_QPA_PLATFORM=offscreen
fi
ctest --test-dir "$ZORVANE_BUILD" --output-on-failure --parallel "$(nproc)" "$@"
