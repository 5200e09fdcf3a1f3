#!/usr/bin/env bash
# Builds what ships a second time and compares it with build/: from a copy of the sources in
# another folder, into another build folder, under another umask, dated with the same time.
# Fails naming each file that differs and its first differing byte; prints the checksums.
# Run after scripts/build.sh. Only the program, its companion files, the two downloads, the
# manifests and the web site are built again: the tests ship nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
first="$root/build"
if [ ! -f "$first/source-date-epoch.txt" ] || [ ! -f "$first/SHA256SUMS" ]; then
    echo "rebuild-compare: build first (scripts/build.sh)" >&2
    exit 1
fi
shipped=(Huetrove.exe Help.chm license.txt cur.dat)
for file in "$first"/Huetrove-*-portable.zip "$first"/Huetrove-*-setup.exe; do
    [ -f "$file" ] && shipped+=("$(basename "$file")")
done
shipped+=(SHA256SUMS)
# The package managers' manifests, which name the downloads and their checksums.
for file in "$first"/winget/*.yaml "$first"/scoop/*.json; do
    [ -f "$file" ] && shipped+=("${file#"$first"/}")
done
# The web site, which shows the downloads' sizes and checksums.
if [ -d "$first/site" ]; then
    while IFS= read -r -d '' file; do
        shipped+=("${file#"$first"/}")
    done < <(find "$first/site" -type f -print0 | sort -z)
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/huetrove-rebuild.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
sources="$scratch/another/folder/huetrove-sources"
second="$scratch/rebuilt"
mkdir -p "$sources"
# The sources as they are, committed or not: what git tracks and what it would add; with no
# git (a source archive), everything but the build folder.
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$root" && git ls-files -z --cached --others --exclude-standard |
        tar --null --files-from=- --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$sources"
else
    (cd "$root" && tar --exclude=./build -cf - .) | tar -xf - -C "$sources"
fi

# The other umask of the two usual ones.
if [ "$(umask)" = 0022 ]; then other_umask=0077; else other_umask=0022; fi
started=$SECONDS
(
    umask "$other_umask"
    cd "$sources"
    export SOURCE_DATE_EPOCH
    SOURCE_DATE_EPOCH=$(cat "$first/source-date-epoch.txt")
    cmake -S . -B "$second" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$sources/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DHUETROVE_TESTS=OFF >/dev/null
    cmake --build "$second" -j"$(nproc 2>/dev/null || echo 2)" --target packages site >/dev/null
) || { echo "rebuild-compare: the second build failed" >&2; exit 1; }
echo "Rebuilt what ships in $((SECONDS - started)) s (sources in another folder, build in $second, umask $other_umask)"

status=0
for name in "${shipped[@]}"; do
    if [ ! -f "$second/$name" ]; then
        echo "NOT REPRODUCED: $name was not made by the second build" >&2
        status=1
    elif ! difference=$(cmp -- "$first/$name" "$second/$name" 2>&1); then
        # cmp counts bytes from 1: the offset is one less.
        byte=$(sed -n 's/.*differ: byte \([0-9]*\).*/\1/p' <<<"$difference")
        if [ -n "$byte" ]; then
            echo "NOT REPRODUCED: $name differs first at offset $((byte - 1))" >&2
        else
            echo "NOT REPRODUCED: $name: $difference" >&2
        fi
        status=1
    fi
done
(cd "$first" && sha256sum "${shipped[@]}")
if [ $status -eq 0 ]; then
    echo "Reproduced: the second build gave the same bytes for all ${#shipped[@]} files"
fi
exit $status
