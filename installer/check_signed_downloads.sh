#!/usr/bin/env bash
# Checks the downloads that the build signed with a throwaway certificate: Huetrove.exe in
# the zip, the setup, and the Huetrove.exe and Uninstall.exe that the setup installs (run
# silently under Wine, into a folder of its own) each carry a signature that verifies
# against that certificate; the signed uninstaller still removes what the setup put in; and
# SHA256SUMS holds the checksums of the signed files.
#   check_signed_downloads.sh OSSLSIGNCODE CERTIFICATE DOWNLOADS WINE_ENV SESSION
set -uo pipefail
[ $# -eq 5 ] || { echo "usage: $0 OSSLSIGNCODE CERTIFICATE DOWNLOADS WINE_ENV SESSION" >&2; exit 2; }
tool=$1 cert=$2 wine_env=$4 session=$5
downloads=$(cd "$3" && pwd) || exit 1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/huetrove-signed.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
status=0
fail() {
    echo "SIGNED DOWNLOADS: $*" >&2
    status=1
}

verify() {
    if "$tool" verify -CAfile "$cert" -in "$1" >"$scratch/verify.log" 2>&1; then
        echo "signed: ${1#"$scratch"/}"
    else
        fail "${1#"$scratch"/} carries no signature that verifies against $cert:"
        sed 's/^/  /' "$scratch/verify.log" >&2
    fi
}

(cd "$downloads" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the signed files"
setup=$(echo "$downloads"/Huetrove-*-setup.exe)
verify "$setup"
mkdir -p "$scratch/zip"
python3 -m zipfile -e "$downloads"/Huetrove-*-portable.zip "$scratch/zip" && verify "$scratch/zip/Huetrove/Huetrove.exe"

# The uninstaller exists only once the setup has written it. Installed into the prefix's
# C: drive, a folder whose name needs no quoting (/D= takes none), then removed in place
# (_?=), which leaves only the uninstaller behind.
prefix=$("$wine_env" run "$session" sh -c 'echo "$WINEPREFIX"') || exit 1
folder='C:\huetrove-signed-check' installed="$prefix/drive_c/huetrove-signed-check"
rm -rf "$installed"
"$wine_env" wine "$session" "Z:${setup//\//\\}" /S "/D=$folder" </dev/null >/dev/null 2>&1 ||
    fail "the signed setup failed ($?)"
for name in Huetrove.exe Uninstall.exe; do
    if [ -f "$installed/$name" ]; then verify "$installed/$name"; else fail "the signed setup installed no $name"; fi
done
if [ -f "$installed/Uninstall.exe" ]; then
    "$wine_env" wine "$session" "$folder\\Uninstall.exe" /S "_?=$folder" </dev/null >/dev/null 2>&1 ||
        fail "the signed uninstaller failed ($?)"
    [ ! -e "$installed/Huetrove.exe" ] || fail "the signed uninstaller left Huetrove.exe"
fi
rm -rf "$installed"
[ $status -eq 0 ] && echo "Every signature verifies against the throwaway certificate, the uninstaller's too"
exit $status
