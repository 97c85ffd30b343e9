#!/usr/bin/env bash
# Installs what is missing, then configures and builds everything into build/.
# CI=true turns compiler warnings into errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXA_WERROR=$werror >/dev/null
cmake --build build -j"$(nproc)"
