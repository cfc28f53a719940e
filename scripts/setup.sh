#!/bin/bash
# Installs the Debian packages that are missing for building and running the
# program ("run") or also for its test suite ("test").
set -euo pipefail

packages=(cmake make g++ qt6-base-dev libgl-dev libxcb1-dev libgtest-dev librsvg2-bin
    fonts-dejavu-core qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
if [[ "${1:-run}" == "test" ]]; then
    packages+=(cups cups-bsd printer-driver-cups-pdf poppler-utils xvfb xauth xdotool
        dpkg-dev file desktop-file-utils appstream lintian clang libclang-rt-14-dev
        clang-format clang-tidy)
fi
# The printing tests ask the print server for their own jobs (ipptool); the
# large-text window test sets its text in Nimbus Sans; the contrast test
# renders the windows in the dark and high-contrast styles of adwaita-qt6; the
# results test makes Qt's accessibility active (Qt's private headers).
if [[ "${1:-run}" == "test" ]]; then
    packages+=(cups-ipp-utils fonts-urw-base35 adwaita-qt6 qt6-base-private-dev)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
