#!/bin/sh
# Runs a test program with its arguments as a user who may not write in the
# program's folder: as root, the unprivileged user nobody, since the superuser
# passes every permission check; as any other user, that user. The program runs
# from a copy in a read-only folder of its own, which nobody can reach wherever
# the build folder lies (/root, say). Usage: as_unprivileged.sh PROGRAM [ARG...]
set -eu
export TMPDIR=/tmp
folder=$(mktemp -d)
cp "$1" "$folder/"
program="$folder/$(basename "$1")"
shift
chmod 555 "$folder"
status=0
if [ "$(id -u)" -eq 0 ]; then
    setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups "$program" "$@" || status=$?
else
    "$program" "$@" || status=$?
fi
chmod 755 "$folder"
rm -rf "$folder"
exit "$status"
