#!/usr/bin/env bash
# Runs the README's test command as a new machine would: in a fresh minimal Debian root of the
# release named (debootstrap --variant=minbase), on a clone of the committed tree (HEAD of the
# repository this script is in), with nothing installed but what the scripts install. Needs root.
# The exit status is the tests'. CI=true is passed on.
#
# For development, BRIVOLA_ROOT=<folder> makes the root there, or reuses the one already there,
# and keeps it afterwards; otherwise the root goes to a new folder under /var/tmp and is removed.
# BRIVOLA_MIRROR names another Debian mirror (default http://deb.debian.org/debian).
set -euo pipefail

usage() { echo "usage: $0 bookworm|trixie" >&2 && exit 2; }

# Inside a private mount namespace: the mounts the tests need, then the test command in the
# root. The mounts end with the namespace whatever happens; the trap unmounts them sooner.
inside() {
    root=$1 # global: the trap runs after this function returns
    points=(proc sys dev dev/pts dev/shm run)
    unmount() {
        # Whatever the tests started and left running must not hold the root; only processes of
        # this namespace, not those of someone else's shell in a kept root.
        local process point namespace
        namespace=$(readlink /proc/self/ns/mnt)
        for process in /proc/[0-9]*; do
            [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] &&
                [ "$(readlink "$process/ns/mnt" 2>/dev/null)" = "$namespace" ] &&
                kill -KILL "${process#/proc/}" 2>/dev/null
        done
        for ((point = ${#points[@]} - 1; point >= 0; point--)); do
            mountpoint -q "$root/${points[point]}" && umount -l "$root/${points[point]}"
        done
        return 0
    }
    trap unmount EXIT
    trap 'exit 143' TERM INT HUP
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
    mount -t tmpfs -o mode=755 run "$root/run"
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        CI="${CI:-}" bash -c 'cd /root/brivola && bash scripts/test.sh </dev/null'
}

if [ "${1:-}" = "--inside" ]; then
    inside "$2"
    exit
fi

release=${1:-}
case $release in bookworm | trixie) ;; *) usage ;; esac
[ "$(id -u)" -eq 0 ] || { echo "$0: must run as root (debootstrap, mount, chroot)" >&2 && exit 2; }
repository=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
commit=$(git -C "$repository" rev-parse HEAD)
mirror=${BRIVOLA_MIRROR:-http://deb.debian.org/debian}

if [ -n "${BRIVOLA_ROOT:-}" ]; then
    mkdir -p "$BRIVOLA_ROOT"
    root=$(realpath "$BRIVOLA_ROOT")
    keep=true
else
    root=$(mktemp -d /var/tmp/brivola-root.XXXXXX)
    chmod 755 "$root" # the root folder of the system inside: other users must reach /tmp
    keep=false
fi

remove_root() {
    # Nothing is mounted there in this namespace; checked all the same before removing.
    if findmnt -rn -o TARGET | grep -q "^$root/"; then
        echo "$0: something is still mounted under $root; left in place" >&2
        return
    fi
    rm -rf --one-file-system "$root"
}
$keep || trap remove_root EXIT
trap 'exit 143' TERM INT HUP # the traps on exit run also when CI stops the run

start=$(date +%s)
if [ ! -x "$root/usr/bin/apt-get" ]; then
    echo "Making a minimal Debian $release root in $root"
    command -v debootstrap >/dev/null || apt-get install -y -q --no-install-recommends debootstrap
    debootstrap --variant=minbase "$release" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
        { tail -20 "$root.debootstrap.log" >&2 && rm -f "$root.debootstrap.log" && exit 1; }
    rm -f "$root.debootstrap.log"
fi
security=${mirror%/debian}/debian-security
[ "$security" != "$mirror" ] || security=http://deb.debian.org/debian-security
rm -f "$root/etc/apt/sources.list"
cat >"$root/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: $release $release-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security
Suites: $release-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"

echo "Cloning $commit into $root/root/brivola"
rm -rf "$root/root/brivola"
git clone --quiet --no-checkout "$repository" "$root/root/brivola"
git -C "$root/root/brivola" checkout --quiet --detach "$commit"

status=0
unshare --mount --propagation private bash "$(realpath "$0")" --inside "$root" || status=$?
echo "Debian $release root: tests ended with status $status after $((($(date +%s) - start) / 60)) min"
exit $status
