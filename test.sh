#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
install_missing_packages "${BUILD_PACKAGES[@]}"
configure_and_build
ctest --test-dir build --output-on-failure -j"$(nproc)"
