#!/usr/bin/env bash
# Proves that a new machine needs nothing but a clone and ./test.sh: builds a minimal Debian 12
# system in a temporary folder, puts a clean clone of the current commit into it and runs
# ./test.sh there, which has to install everything it uses by itself. Needs root (the system
# is built, mounted into and entered with chroot) and the network; takes a long while.
# Ends with the "N passed, M failed" line of the tests run inside; the exit status is 0 only
# when test.sh succeeded and no test failed.
#   scripts/test-fresh-machine.sh [LOG_FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

if [ "$(id -u)" -ne 0 ]; then
    echo "test-fresh-machine.sh builds a Debian system and enters it with chroot: run it as root." >&2
    exit 2
fi
export DEBIAN_FRONTEND=noninteractive
ensure_packages mmdebstrap git

repository=$(git rev-parse --show-toplevel)
commit=$(git rev-parse HEAD)
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "Note: changes not committed are left out; the run tests commit ${commit:0:12}."
fi
log=${1:-$(mktemp --tmpdir modelwright-fresh-machine.XXXXXX.log)}
sources=/etc/apt/sources.list.d/debian.sources
[ -f "$sources" ] || sources="deb http://deb.debian.org/debian bookworm main"

root=$(mktemp -d --tmpdir=/var/tmp modelwright-fresh-root.XXXXXX)
# Inside the system the clone lives in a folder of ordinary depth: a command-line test takes
# a one-letter top folder such as /p for a switch.
checkout=/root/modelwright

mounted() { findmnt -rn -o TARGET | grep -q "^$root\(/\|$\)"; }
clean_up() {
    set +e
    # Whatever test.sh started and left running inside (wineserver, a test) holds the mounts.
    for process in /proc/[0-9]*; do
        [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] && kill -9 "${process#/proc/}" 2>/dev/null
    done
    for target in dev sys proc; do
        mountpoint -q "$root/$target" && umount -R "$root/$target" 2>/dev/null
    done
    for target in dev sys proc; do
        mountpoint -q "$root/$target" && umount -R -l "$root/$target"
    done
    if mounted; then
        echo "Still mounted below $root; left in place." >&2
    else
        rm -rf --one-file-system "$root"
    fi
}
trap clean_up EXIT
trap 'exit 130' INT TERM HUP

echo "== Minimal Debian 12 system in $root"
mmdebstrap --quiet --variant=apt bookworm "$root" "$sources"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The network's own certificate authorities (a proxy's, say) come along with its name servers:
# a machine on this network has them, and npm needs them to reach its registry.
network_cas=$(find /usr/local/share/ca-certificates -name '*.crt' 2>/dev/null | sort)
if [ -n "$network_cas" ]; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cat $network_cas > "$root/usr/local/share/ca-certificates/network.crt"
fi
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount --rbind /sys "$root/sys"
mount --make-rslave "$root/sys"

echo "== Clean clone of $commit"
git clone --quiet --no-local --no-checkout "$repository" "$root$checkout"
git -C "$root$checkout" checkout --quiet --detach "$commit"

# Qt for Windows takes most of an hour to build, longer than CI gives the whole of test.sh:
# the new system gets this machine's cache where the script looks for it inside, so that
# test.sh runs the Windows window program's stage there too. With MW_WINDOWS_GUI=1 the cache
# is built here first when there is none.
qt_cache=$(scripts/build-qt-windows.sh --prefix)
if [ ! -f "$qt_cache/.complete" ] && [ "${MW_WINDOWS_GUI:-}" = 1 ]; then
    echo "== Qt for Windows, built once on this machine"
    scripts/build-qt-windows.sh
fi
if [ -f "$qt_cache/.complete" ]; then
    mkdir -p "$root/root/.cache/modelwright"
    cp -a "$qt_cache" "$root/root/.cache/modelwright/"
fi

echo "== ./test.sh inside (log: $log)"
set +e
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb CI="${CI:-}" ${network_cas:+NODE_EXTRA_CA_CERTS=/usr/local/share/ca-certificates/network.crt} MW_WINDOWS_GUI="${MW_WINDOWS_GUI:-}" \
    /bin/bash -c "cd $checkout && ./test.sh" </dev/null >"$log" 2>&1
status=$?
set -e
tail -n 30 "$log"

# Each ctest run ends with "NN% tests passed, F tests failed out of T".
read -r passed failed < <(grep -Eo '[0-9]+ tests? failed out of [0-9]+' "$log" |
    awk '{ failed += $1; total += $NF } END { print total - failed, failed + 0 }')
[ "$status" -eq 0 ] || echo "test.sh ended with status $status"
echo "$passed passed, $failed failed"
[ "$status" -eq 0 ] && [ "$failed" -eq 0 ]
