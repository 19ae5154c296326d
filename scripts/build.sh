#!/usr/bin/env bash
# Configures and builds Ventrix into build/ (Release with debug info, warnings as errors).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVENTRIX_WERROR=ON "$@" >/dev/null
cmake --build build
