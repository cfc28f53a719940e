#!/bin/bash
# Takes every screenshot of docs/ anew from the current build, under Xvfb:
# English and each language folder of data/, at the normal and the large text
# size (QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=144). English goes to
# docs/*-window.png, a language to docs/<code>/; English under a dark and a
# high-contrast style of adwaita-qt6 to docs/themes/. Needs xvfb-run. With KEEP=FOLDER
# it also leaves each run's pictures and the PDF of its result in FOLDER.
#   bash tools/screenshots/take.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
if [[ -z ${ORV_IN_XVFB:-} ]]; then
    cmake --build build --target screenshots orvtest >/dev/null
    ORV_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
languages=(en)
for entry in data/*/; do
    languages+=("$(basename "$entry")")
done
# English keeps the names the README has always shown.
declare -A english=([main]=main-window [question]=test-window [evaluation]=evaluation-window
                    [profile]=profile-window [compare]=profile-compare [results]=results-window)

# One run: a copy of the program folder, so that the results it keeps go there.
shoot() {
    local language=$1 suffix=$2 style=${3:-} run=$work/$1$2${3:-}
    mkdir -p "$run/program" "$run/home"
    for entry in data/*; do
        cp -r "build/$(basename "$entry")" "$run/program/"
    done
    cp build/tools/screenshots "$run/program/"
    local large=()
    if [[ -n $suffix ]]; then
        large=(QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=144)
    fi
    mkdir -m 700 "$run/runtime"
    if [[ -n $style ]]; then
        large+=(QT_STYLE_OVERRIDE="$style")
    fi
    env "${large[@]}" HOME="$run/home" XDG_CONFIG_HOME="$run/home/.config" XDG_RUNTIME_DIR="$run/runtime" \
        XDG_DATA_HOME="$run/home/.local/share" \
        "$run/program/screenshots" "$language" "$run/shots" "$suffix"
    for shot in "$run"/shots/*.png; do
        local name
        name=$(basename "$shot" .png)
        if [[ -n $style ]]; then
            case $name in
                main | question | evaluation | profile)
                    local tag=${style,,}
                    cp "$shot" "docs/themes/${tag#adwaita-}-$name.png"
                    ;;
            esac
        elif [[ $language == en ]]; then
            cp "$shot" "docs/${english[${name%-large}]}$suffix.png"
        else
            mkdir -p "docs/$language"
            cp "$shot" "docs/$language/$name.png"
        fi
    done
    if [[ -n ${KEEP:-} ]]; then
        mkdir -p "$KEEP" && cp -r "$run/shots" "$KEEP/$language$suffix"
    fi
    echo "$language${suffix:+ $suffix}${style:+ $style}: $(ls "$run"/shots/*.png | wc -l) screenshots"
}

for language in "${languages[@]}"; do
    shoot "$language" ""
    shoot "$language" -large
done
for style in Adwaita-Dark Adwaita-HighContrastInverse; do
    shoot en "" "$style"
done
