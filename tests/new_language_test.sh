#!/bin/bash
# A language made by copying a folder of data/ and changing only its text is
# taken up with no change of code: orvtool finds it whole, the package takes
# its folder, and its desktop entry and metainfo carry its words and name it.
#   new_language_test.sh SOURCE_FOLDER ORVTOOL
set -euo pipefail
source=$1 orvtool=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/data" "$work/out"
cp "$source"/data/orv0.dll "$source"/data/orv1.dll "$work/data/"
cp -r "$source/data/de" "$work/data/xq"
sed -i 's/^name\t"[^"]*"/name\t"Xq Orvane"/' "$work/data/xq/desktop.words"
sed -i 's/^\(opening\t"\)[^"]*"/\1Xq "/' "$work/data/xq/evaluation.words"
mkdir "$work/data/notes"

"$orvtool" check "$work/data/xq" >"$work/check"
grep -c "parallel to the English" "$work/check" | grep -qx 2
grep -qx "$work/data/xq: everything is translated" "$work/check"
cmake -DDATA="$work/data" -DOUT="$work/out" -P "$source/tests/new_language.cmake"
grep -qx "xq" "$work/out/languages"  # not notes
desktop=$work/out/com.example.orvane.PersonalityTest.desktop
metainfo=$work/out/com.example.orvane.PersonalityTest.metainfo.xml
grep -qx "Name\[xq\]=Xq Orvane" "$desktop"
grep -q "<name xml:lang=\"xq\">Xq Orvane</name>" "$metainfo"
grep -q "<lang>xq</lang>" "$metainfo"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo" >/dev/null
echo "xq: checked, packaged and named"
