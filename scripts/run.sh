#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zorvane. Arguments go to the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$ZORVANE_BUILD/bin/zorvane" "$@"
