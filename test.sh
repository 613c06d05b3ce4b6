#!/usr/bin/env bash
# Installs what is missing, builds everything, checks the Debian package and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
install_missing_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${PACKAGE_CHECK_PACKAGES[@]}"
configure_and_build
tools/check-package.sh build
ctest --test-dir build --output-on-failure -j"$(nproc)"
