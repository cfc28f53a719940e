#!/bin/bash
# Checks the program as installed from the .deb in build/ (made by
# check-package.sh): validates the installed desktop entry and metainfo, runs
# both installed commands, and has a user who may not write the program
# folder save a test with the installed program and load it back
# (installed-save-load.sh). Two ways, chosen by ORV_INSTALL_CHECK:
#   system     installs the .deb for all users with apt-get and saves as the
#              account orvane-check, made if missing. The default where
#              CI=true (a throwaway machine).
#   temporary  changes nothing outside the clone: unpacks the .deb with
#              dpkg -x into a temporary folder made read-only, and saves as
#              the current user (as "nobody" when that is root, who may write
#              anywhere) with a temporary home. The default elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."
package=orvane-personality-test
deb=$(ls build/"$package"_*.deb)
default=temporary
if [[ ${CI:-} == true ]]; then
    default=system
fi
mode=${ORV_INSTALL_CHECK:-$default}
app_id=$(dpkg-deb -c "$deb" | sed -n 's|.*/share/applications/\(.*\)\.desktop$|\1|p')

# Validates the package's desktop entry and metainfo under the folder $1
# (/usr when installed) and runs both commands from its bin/.
check_files() {
    desktop-file-validate "$1/share/applications/$app_id.desktop"
    echo "desktop-file-validate $1/share/applications/$app_id.desktop: no findings"
    appstreamcli validate --no-net "$1/share/metainfo/$app_id.metainfo.xml"
    "$1/bin/orvtest" --version
    "$1/bin/orvtool" --version
}

case $mode in
system)
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    user=orvane-check
    echo "== $deb installed for all users"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall \
        -o DPkg::Lock::Timeout=300 "./$deb" >/dev/null
    check_files /usr
    echo "== saving and loading as $user, the program folder read-only"
    if ! id "$user" >/dev/null 2>&1; then
        "${sudo[@]}" useradd --create-home "$user"
    fi
    home=$(getent passwd "$user" | cut -d: -f6)
    "${sudo[@]}" rm -rf "$home/.local/share/$app_id"
    "${sudo[@]}" runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin \
        bash -s -- "$app_id" <scripts/installed-save-load.sh
    ;;
temporary)
    runner=()
    if [[ $(id -u) -eq 0 ]]; then
        # setpriv switches to an account that exists already; it makes none.
        runner=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
    fi
    # In /tmp when run as root, so that nobody can reach it.
    work=$(mktemp -d ${runner[0]:+-p /tmp})
    trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
    chmod 755 "$work"
    mkdir "$work/home" "$work/runtime"
    chmod 700 "$work/home" "$work/runtime"
    if [[ ${#runner[@]} -gt 0 ]]; then
        chown nobody: "$work/home" "$work/runtime"
    fi
    root=$work/install
    echo "== $deb unpacked into $root, read-only"
    dpkg -x "$deb" "$root"
    chmod -R a-w "$root"
    # Nothing the validators or commands write may land in the real home.
    export HOME=$work/home XDG_CACHE_HOME=$work/home/.cache XDG_CONFIG_HOME=$work/home/.config
    check_files "$root/usr"
    echo "== saving and loading as $("${runner[@]}" id -un), the program folder read-only"
    "${runner[@]}" env -i HOME="$HOME" XDG_DATA_HOME="$HOME/.local/share" \
        XDG_RUNTIME_DIR="$work/runtime" PATH="$root/usr/bin:/usr/bin:/bin" \
        bash -s -- "$app_id" <scripts/installed-save-load.sh
    ;;
*)
    echo "check-installed: ORV_INSTALL_CHECK is \"system\" or \"temporary\", not \"$mode\"" >&2
    exit 2
    ;;
esac
