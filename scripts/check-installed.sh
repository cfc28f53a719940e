#!/bin/bash
# Packs the main build (build/) with cpack, installs the .deb with the
# system's package tool, validates the installed desktop entry and metainfo,
# runs both installed commands, and has an unprivileged user save a test with
# the installed program and load it back (scripts/installed-save-load.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
package=orvane-personality-test
user=orvane-check

echo "== packages of the main build"
(cd build && cpack >/dev/null)
ls build/"$package"_*.deb build/"$package"-*.tar.gz
deb=$(ls build/"$package"_*.deb)
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall \
    -o DPkg::Lock::Timeout=300 "./$deb" >/dev/null

echo "== the installed package"
desktop=$(dpkg -L "$package" | grep '^/usr/share/applications/.*\.desktop$')
metainfo=$(dpkg -L "$package" | grep '^/usr/share/metainfo/.*\.metainfo\.xml$')
app_id=$(basename "$desktop" .desktop)
desktop-file-validate "$desktop"
echo "desktop-file-validate $desktop: no findings"
appstreamcli validate --no-net "$metainfo"
/usr/bin/orvtest --version
/usr/bin/orvtool --version

echo "== saving and loading as $user, the program folder read-only"
if ! id "$user" >/dev/null 2>&1; then
    "${sudo[@]}" useradd --create-home "$user"
fi
home=$(getent passwd "$user" | cut -d: -f6)
"${sudo[@]}" rm -rf "$home/.local/share/$app_id"
"${sudo[@]}" runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin \
    bash -s -- "$app_id" <scripts/installed-save-load.sh
