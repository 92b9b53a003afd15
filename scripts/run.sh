#!/usr/bin/env bash
# Installs what is missing, builds the launcher and the demo collection into
# build/ (or $VEXA_BUILD_DIR), and starts the launcher in the demo folder: a
# first start (no ROM folder stored yet) lists the demo ROMs and finds their
# pictures in its images/. A stored ROM folder is shown as always; this script
# writes no settings. Arguments go to the launcher, e.g. a ROM to open; a ROM
# path relative to the folder the script was started in is made absolute
# first, since the launcher runs in the demo folder.

# Prints the arguments NUL-separated, each one that names an existing file or
# folder (or follows "--") made absolute. Options, and the values of the Qt
# options that take one ("-style fusion"), are left as they are.
absolute_arguments() {
    local argument value_next=0 only_paths=0
    for argument; do
        if [ "$only_paths" = 1 ] || { [ "$value_next" = 0 ] && [[ "$argument" != -* ]] && [ -e "$argument" ]; }; then
            argument="$(realpath -m -s -- "$argument")"
            value_next=0
        elif [ "$argument" = -- ]; then
            only_paths=1
        elif [ "$value_next" = 1 ]; then
            value_next=0
        else
            # Qt takes its options with one dash or two.
            case "${argument#-}" in
                -platform | -platformpluginpath | -platformtheme | -plugin | -qwindowgeometry | -geometry | \
                -qwindowicon | -icon | -qwindowtitle | -title | -display | -name | -session | -style | \
                -stylesheet | -qwindowscreen | -screen | \
                platform | platformpluginpath | platformtheme | plugin | qwindowgeometry | geometry | \
                qwindowicon | icon | qwindowtitle | title | display | name | session | style | \
                stylesheet | qwindowscreen | screen)
                    value_next=1 ;;
            esac
        fi
        printf '%s\0' "$argument"
    done
}

# Sourced (by the tests), the script only defines the function above.
if [ "${BASH_SOURCE[0]}" != "$0" ]; then return 0; fi

set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VEXA_BUILD_DIR:-$root/build}"
arguments=()
if (($# > 0)); then
    mapfile -d '' arguments < <(absolute_arguments "$@")
fi
bash "$root/scripts/setup.sh"
VEXA_BUILD_DIR="$build" VEXA_BUILD_TARGET=demo bash "$root/scripts/build.sh" -DVEXA_WERROR=OFF -DBUILD_TESTING=OFF
cd "$build/demo"
exec "$build/vexa-launcher" "${arguments[@]}"
