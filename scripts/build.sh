#!/usr/bin/env bash
# Configures and builds Ventrix into build/ (Release with debug info, warnings as errors: the
# "release" preset of CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release "$@" >/dev/null
cmake --build build
