#!/usr/bin/env bash
# Fails when a lower layer includes a higher one:
#   model/ and view_control/ include nothing of app/;
#   app/settings, app/platform, app/controller and app/editing include nothing of app/ui/.
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
for lower in model view_control; do
    check "$lower" app
done
for layer in app/settings app/platform app/controller app/editing; do
    check "$layer" app/ui
done
[ $fail -eq 0 ] && echo "include rules hold"
exit $fail
