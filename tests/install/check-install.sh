#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop and a
# terminal find there: the desktop entry and the AppStream metainfo pass
# their validators without a remark, the session files' type is known by its
# suffix, the icons have their sizes, the manual
# page formats cleanly and follows --help, and --help and --version work with
# no display.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build="$1"

for tool in desktop-file-validate appstreamcli groff update-mime-database; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing; scripts/deps installs it"
        exit 77
    fi
done

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share="$prefix/share"
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}
# A check passes when it succeeds and says nothing.
quiet() {
    local out
    if ! out="$("$@" 2>&1)" || [ -n "$out" ]; then
        fail "$*"
        echo "$out"
    fi
}

quiet desktop-file-validate "$share/applications/corvane.desktop"
appstreamcli validate --no-net "$share/metainfo/org.example.corvane.metainfo.xml" >/dev/null \
    || fail "appstreamcli validate"
# The tree as a software centre reads it: the metainfo with its desktop entry.
appstreamcli validate-tree --no-net "$prefix" >/dev/null || fail "appstreamcli validate-tree"

# The type the desktop entry opens is the one the installed MIME package
# gives a *.corvane file.
quiet env XDG_DATA_DIRS="$share" update-mime-database "$share/mime"
type="$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$share/applications/corvane.desktop")"
grep -qxF "50:$type:*.corvane" "$share/mime/globs2" || fail "*.corvane is not of the type $type"

[ -f "$share/icons/hicolor/scalable/apps/corvane.svg" ] || fail "no scalable icon"
for size in 48 64 128 256; do
    png="$share/icons/hicolor/${size}x${size}/apps/corvane.png"
    # Width and height are the big-endian words at bytes 16 and 20.
    dims="$(od -An -tu4 --endian=big -j16 -N8 "$png" 2>/dev/null | xargs)"
    [ "$dims" = "$size $size" ] || fail "$png is not ${size}x${size} ($dims)"
done

[ -f "$share/corvane/RatingTable.txt" ] || fail "no sample table"
# A table of the user's own in its place survives the next install.
echo "Mine,1,1,1,1,1,1,1,1,1,1" >"$share/corvane/RatingTable.txt"
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(cat "$share/corvane/RatingTable.txt")" = "Mine,1,1,1,1,1,1,1,1,1,1" ] || fail "an install replaced the table"
page="$share/man/man6/corvane.6"
# -k: the page is UTF-8, as man reads it.
quiet groff -k -Tutf8 -man -ww -z "$page"

# No display at all: help, version and the table check must still answer.
# The program is where the build puts it (a Debian package puts it among the
# games).
bindir="$(sed -n 's/^CMAKE_INSTALL_BINDIR:[A-Z]*=//p' "$build/CMakeCache.txt")"
program="$prefix/${bindir:-bin}/corvane"
help="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help)" || fail "--help failed"
[[ "$help" == "Usage: corvane [options]"* ]] || fail "--help printed: $help"
version="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version)" || fail "--version failed"
[[ "$version" =~ ^corvane\ [0-9.]+$ ]] || fail "--version printed: $version"
grep -qF "\"$version\"" "$page" || fail "the manual page is not for $version"
check="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --check-table "$share/corvane/RatingTable.txt")" \
    || fail "--check-table failed on a good table: $check"
# The manual names every option of --help and describes it in its words.
manual="$(sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' "$page")"
while IFS=$'\t' read -r names description; do
    grep -qxF -- "${names//[<>]/}" <<<"$manual" || fail "corvane(6) lacks the option $names"
    grep -qF -- "$description" <<<"$manual" || fail "corvane(6) describes $names otherwise: $description"
done < <(sed -n 's/^  \(-[^ ]*\( [^ ]\+\)*\)  \+\(.*\)$/\1\t\3/p' <<<"$help")

status=0
out="$(QT_QPA_PLATFORM=offscreen "$program" --no-such-option 2>&1 >/dev/null)" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with $status"
[[ "$out" == *"Unknown option 'no-such-option'."*"Usage: corvane [options]"* ]] \
    || fail "an unknown option printed: $out"

[ "$failed" -eq 0 ] && echo "installed tree is clean"
exit "$failed"
