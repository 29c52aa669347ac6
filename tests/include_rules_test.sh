#!/usr/bin/env bash
# Fails when a layer includes one above it. From the bottom:
#   text/ (splitter, number texts) includes nothing of model/, view_control/, app/;
#   model/ and view_control/ include nothing of each other nor of app/;
#   in app/: platform < settings < exchange < exercises < controller and editing (one class) < ui.
set -uo pipefail
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2

headers_of() { find "$1" -name '*.h' -printf '%f\n' | sort -u; }
fail=0
check() { # folder, forbidden folder
    local folder=$1 forbidden=$2 name
    for name in $(headers_of "$forbidden"); do
        if grep -rn --include='*.h' --include='*.cpp' "#include [\"<]$name[\">]" "$folder"; then
            echo "include rule broken: $folder includes $name of $forbidden"
            fail=1
        fi
    done
}
for higher in model view_control app; do
    check text "$higher"
done
check model view_control
check view_control model
for lower in model view_control; do
    check "$lower" app
done
for higher in app/settings app/exchange app/exercises app/controller app/editing app/ui; do
    check app/platform "$higher"
done
for higher in app/exchange app/exercises app/controller app/editing app/ui; do
    check app/settings "$higher"
done
for higher in app/settings app/exercises app/controller app/editing app/ui; do
    check app/exchange "$higher"
done
for higher in app/controller app/editing app/ui; do
    check app/exercises "$higher"
done
for layer in app/controller app/editing; do
    check "$layer" app/ui
done
# Every folder of app/ is one of the layers above.
for folder in app/*/; do
    case ${folder%/} in
    app/platform | app/settings | app/exchange | app/exercises | app/controller | app/editing | app/ui) ;;
    *)
        echo "include rule missing for ${folder%/}"
        fail=1
        ;;
    esac
done
[ $fail -eq 0 ] && echo "include rules hold"
exit $fail
