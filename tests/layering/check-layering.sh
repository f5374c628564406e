#!/usr/bin/env bash
# Checks the layers of the code base: each folder includes only its own
# headers and those of the folders below it, and the Qt-free layers include
# no Qt header.
#   core/    core only, no Qt
#   engine/  core and engine, no Qt (ChessThread.* also platform, with Qt)
#   platform/ platform only (Qt and libjpeg, nothing else of the project)
#   board/   core, engine, platform, board
#   enginehelp/ core, engine, enginehelp (Qt Core only)
#   app/     anything but tools and tests
# Usage: check-layering.sh ROOT   (exit 1 and one line per violation)
set -uo pipefail
root=${1:?usage: check-layering.sh ROOT}
cd "$root" || exit 2
status=0

# Prints "file:line: include" for every project include of the files given.
project_includes() { grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$@" 2>/dev/null; }
qt_includes() { grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q[A-Za-z]*|qt[a-z]*/)' "$@" 2>/dev/null; }

check() { # folder, allowed folders (regex), allow Qt (yes/no), files...
    local folder=$1 allowed=$2 qt=$3
    shift 3
    (($#)) || return 0
    local line
    while IFS= read -r line; do
        local target=${line#*\"}
        target=${target%%\"*}
        # A header beside the file (no folder) belongs to the same folder.
        [[ $target != */* ]] && continue
        if ! [[ $target =~ ^($allowed)/ ]]; then
            echo "layering: $line: $folder/ may not include $target"
            status=1
        fi
    done < <(project_includes "$@")
    if [[ $qt == no ]]; then
        while IFS= read -r line; do
            echo "layering: $line: $folder/ must not use Qt"
            status=1
        done < <(qt_includes "$@")
    fi
}

sources() { find "$1" -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \) "${@:2}" | sort; }

mapfile -t core < <(sources core)
mapfile -t engine < <(sources engine ! -name 'ChessThread.*')
mapfile -t enginethread < <(sources engine -name 'ChessThread.*')
mapfile -t platform < <(sources platform)
mapfile -t board < <(sources board)
mapfile -t enginehelp < <(sources enginehelp)
mapfile -t app < <(find app -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

check core 'core' no "${core[@]}"
check engine 'core|engine' no "${engine[@]}"
check engine 'core|engine|platform' yes "${enginethread[@]}"
check platform 'platform' yes "${platform[@]}"
check board 'core|engine|platform|board' yes "${board[@]}"
check enginehelp 'core|engine|enginehelp' yes "${enginehelp[@]}"
check app 'core|engine|platform|board|enginehelp|app' yes "${app[@]}"

((status == 0)) && echo "layering: every include respects the layers"
exit $status
