#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs what is missing, configures and builds.
# Sourced, not run: leaves ZORVANE_ROOT and ZORVANE_BUILD set.
set -euo pipefail
ZORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ZORVANE_BUILD="${ZORVANE_BUILD:-$ZORVANE_ROOT/build}"

zorvane_install_packages() {
    local missing=()
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done <"$ZORVANE_ROOT/scripts/packages.txt"
    ((${#missing[@]} == 0)) && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

zorvane_build() {
    if [[ ! -f "$ZORVANE_BUILD/build.ninja" ]]; then
        cmake --preset default -B "$ZORVANE_BUILD" -S "$ZORVANE_ROOT"
    fi
    cmake --build "$ZORVANE_BUILD" --parallel "$(nproc)"
}

zorvane_install_packages
zorvane_build
