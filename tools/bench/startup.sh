#!/bin/bash
# Start-up in English and in each language of data/, side by side: RUNS starts of each, in
# turn, on one display; the median from main() to the painted main window,
# and the median of the whole process as the shell sees it.
#   xvfb-run -a bash tools/bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-30}
bench=build/startup_bench
export XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
languages=(en)
for entry in data/*/; do
    languages+=("$(basename "$entry")")
done
declare -A inside whole
for ((i = 0; i < runs; ++i)); do
    for language in "${languages[@]}"; do
        start=$(date +%s%N)
        inside[$language]+="$("$bench" "$language" 2>/dev/null) "
        whole[$language]+="$((($(date +%s%N) - start) / 1000)) "
    done
done
median() { tr ' ' '\n' | grep . | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
for language in "${languages[@]}"; do
    printf '%s: main() to painted %s ms, whole process %s ms\n' "$language" \
        "$(median <<<"${inside[$language]}")" \
        "$(awk '{print $1/1000}' <<<"$(median <<<"${whole[$language]}")")"
done
