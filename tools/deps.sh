# Installs the Debian packages named in the arguments that are not yet
# installed. Sourced by run.sh and test.sh.
install_missing_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# What building and testing need.
BUILD_PACKAGES=(g++ cmake ninja-build libgtest-dev qt6-base-dev qt6-base-dev-tools
  qt6-qpa-plugins libgl-dev fonts-dejavu-core libqt6sql6-sqlite poppler-utils tzdata
  qt6-translations-l10n)

# What the tests need beyond building: a real iCalendar parser for the
# calendar's exported files.
TEST_PACKAGES=(python3 python3-icalendar)

# What checking the Debian package needs.
PACKAGE_CHECK_PACKAGES=(dpkg-dev lintian appstream desktop-file-utils man-db)

configure_and_build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j"$(nproc)"
}
