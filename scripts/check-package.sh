#!/bin/bash
# Packs the main build (build/) with cpack, checks the .deb with Debian's
# package checker, lintian, at its informational level too, and checks that
# the .tar.gz carries the same files. Fails on any tag lintian shows: errors,
# warnings, and informational tags such as the hardening ones. The check is
# then given a copy of the .deb with a known fault, which it must refuse.
set -euo pipefail
cd "$(dirname "$0")/.."
package=orvane-personality-test

# Tags that stay, one a line: "tag  reason". None at present.
suppressed=(
)

echo "== packages of the main build"
rm -f build/"$package"_*.deb build/"$package"-*.tar.gz
(cd build && cpack >/dev/null)
deb=$(ls build/"$package"_*.deb)
tgz=$(ls build/"$package"-*.tar.gz)
echo "$deb $tgz"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== lintian -I $deb"
options=(-I --fail-on error,warning,info)
if [[ $(id -u) -eq 0 ]]; then
    options+=(--allow-root)
fi
for entry in "${suppressed[@]}"; do
    tag=${entry%% *}
    if [[ $tag == hardening-* ]]; then
        echo "check-package: a hardening tag may not be suppressed ($tag)" >&2
        exit 1
    fi
    options+=(--suppress-tags "$tag")
    echo "suppressed: $entry"
done
# lintian leaves files behind in TMPDIR; they go with the temporary folder.
gate() { TMPDIR=$work lintian "${options[@]}" "$1"; }
if ! gate "$deb"; then
    echo "check-package: lintian reports the tags above" >&2
    exit 1
fi
echo "lintian: no tags"

echo "== the same check refuses a package with a known fault"
# The .deb again, with orvtool linked without -z now (lazy binding), and
# its checksums made anew so that nothing else is wrong with it.
faulty=$work/faulty
dpkg-deb -R "$deb" "$faulty"
tool=$(find "$faulty/usr" -name orvtool -type f)
printf 'int main(int argc, char**) { return argc > 9; }\n' >"$work/lazy.cpp"
g++ -O2 -fPIE -pie -fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wl,-z,relro -Wl,-z,lazy -s \
    -o "$tool" "$work/lazy.cpp"
(cd "$faulty" && find usr -type f -exec md5sum {} + | sort -k2 >DEBIAN/md5sums)
dpkg-deb --root-owner-group -b "$faulty" "$work/faulty.deb" >/dev/null
if report=$(gate "$work/faulty.deb" 2>&1); then
    echo "check-package: a package without bind-now passed the check" >&2
    exit 1
fi
if ! grep -q hardening-no-bindnow <<<"$report"; then
    echo "check-package: the faulty package failed, but not for its missing bind-now:" >&2
    echo "$report" >&2
    exit 1
fi
echo "refused: $(grep hardening-no-bindnow <<<"$report")"

echo "== the .tar.gz holds the tree of the .deb"
mkdir "$work/deb" "$work/tgz"
dpkg -x "$deb" "$work/deb"
tar -xzf "$tgz" -C "$work/tgz"
# Every path with its type, mode and link target, then every file's bytes.
listing() { (cd "$1" && find . -mindepth 1 -printf '%M %p %l\n' | sort); }
diff -u <(listing "$work/deb/usr") <(listing "$work/tgz/$(basename "$tgz" .tar.gz)")
diff -r --no-dereference "$work/deb/usr" "$work/tgz/$(basename "$tgz" .tar.gz)"
echo "$(listing "$work/deb/usr" | wc -l) paths alike"
