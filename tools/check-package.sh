#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks what a
# user would get: the installed programs run, and the desktop entry, the
# AppStream data and the package itself pass their validators.
#   tools/check-package.sh [build directory]
set -euo pipefail
build=${1:-build}
cmake --build "$build" --target package
deb=$(ls "$build"/velunor_*_amd64.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

"$root/usr/bin/velunor" --version
"$root/usr/bin/moon" --version

# The worked example: a birth in Минск on 17 May 1990 at 14:30, zone 3, falls
# in lunar day 22, which begins that night at 2:18:01.
cd "$root"
printf 'Autocreated\r\n17.5.1990\r\n14:30\r\n3\r\n\r\n53.54\r\n27.34\r\n2\r\na\r\nminsk.out\r\n' > minsk.in
"$root/usr/bin/moon" minsk.in > /dev/null
grep -Eq '^ +17\.05\.1990 Th +2:18:01 +22 ' minsk.out ||
  { echo "installed moon: lunar day 22 missing from its table" >&2; exit 1; }
cd - > /dev/null

desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
man -l "$root/usr/share/man/man1/moon.1.gz" > /dev/null
man -l "$root/usr/share/man/man1/velunor.1.gz" > /dev/null
man -l "$root/usr/share/man/ru/man1/moon.1.gz" > /dev/null
man -l "$root/usr/share/man/ru/man1/velunor.1.gz" > /dev/null
# Errors and warnings fail the check; the package's own overrides say why.
lintian --fail-on error,warning "$deb"
echo "Package checked: $deb"
