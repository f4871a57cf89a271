#!/usr/bin/env bash
# Runs the fetch stage of scripts/build-qt-windows.sh alone into an empty cache folder, as on a
# new machine, and checks that Qt's source is unpacked there; runs it again to see the
# unpacked source reused. Skipped (exit 77) without network or a way to reach Debian's sources.
# test_qt_source_fetch.sh SOURCE_FOLDER
set -euo pipefail
source_root=$1
skip() {
    echo "SKIPPED: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

command -v apt-get >/dev/null || skip "no apt-get on this machine"
if [ "$(id -u)" -ne 0 ] && ! { command -v sudo >/dev/null && sudo -n true 2>/dev/null; } &&
    ! apt-get source --print-uris qt6-base 2>/dev/null | grep -qF "'http"; then
    skip "apt has no deb-src entries, and only root (or password-less sudo) may add them"
fi
# The first archive apt fetches from must answer, unless apt goes through a proxy.
if ! apt-config dump 2>/dev/null | grep -qi '::proxy '; then
    uri=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
        grep -v '^ *#' | grep -oE 'https?://[^ ]+' | head -n 1 || true)
    [ -n "$uri" ] || skip "apt names no archive to fetch from"
    host=${uri#*://}
    host=${host%%/*}
    port=80
    [ "${uri%%://*}" = https ] && port=443
    timeout 15 bash -c ">/dev/tcp/$host/$port" 2>/dev/null || skip "no network: $host does not answer on port $port"
fi

cache=$(mktemp -d)
log=$cache.log
trap 'rm -rf "$cache" "$log"' EXIT

MW_QT_CACHE=$cache "$source_root/scripts/build-qt-windows.sh" --fetch-only >"$log" 2>&1 ||
    { cat "$log" >&2; fail "the fetch stage failed in an empty cache folder"; }
cat "$log"
folder=$(sed -n 's/^Qt .* source is unpacked in //p' "$log")
[ -n "$folder" ] || fail "the fetch stage did not name the unpacked source"
case "$folder" in
    "$cache"/*) ;;
    *) fail "the source was unpacked outside the given cache folder: $folder" ;;
esac
grep -q 'QT_REPO_MODULE_VERSION "6.4.2"' "$folder/.cmake.conf" || fail "no Qt 6.4.2 source in $folder"
[ -f "$folder/src/corelib/global/qglobal.h" ] || fail "the unpacked source lacks Qt Core's files"
[ -f "$folder/src/plugins/platforms/windows/qwindowsintegration.cpp" ] ||
    fail "the unpacked source lacks the Windows platform plugin"
[ -z "$(find "$cache" -maxdepth 1 -name 'qt-*')" ] || fail "the fetch stage made an installation folder"

# A second run finds the source unpacked and fetches nothing.
MW_QT_CACHE=$cache "$source_root/scripts/build-qt-windows.sh" --fetch-only >"$log" 2>&1 ||
    { cat "$log" >&2; fail "the fetch stage failed on its second run"; }
! grep -q Fetching "$log" || fail "the second run fetched the source again"
grep -qF "unpacked in $folder" "$log" || fail "the second run did not name the same folder"
echo "Qt's source fetched and unpacked from an empty cache folder"
