#!/usr/bin/env bash
# Runs a command on a clone of the current commit inside a brand-new Debian root that holds
# nothing but apt, as a newcomer's machine or a container CI job starts. Run as root.
#
#   scripts/fresh-debian.sh 'scripts/test.sh'
#   scripts/fresh-debian.sh --release 13 'scripts/test.sh'
#   scripts/fresh-debian.sh --in build/release/pretextor_1.3.125_amd64.deb --out /tmp/out 'COMMAND'
#
# --release R  Debian 12 (bookworm, the default) or 13 (trixie);
# --in FILE    copies FILE into the root's /build/in/ first (repeatable);
# --out DIR    copies what the command left in the root's /build/out/ to DIR afterwards.
# The root's apt sources are mmdebstrap's own for the release: main, updates and security.
# Only the empty base root is cached, one per release (/var/tmp/pretextor-debian12-base.tar,
# remade after a week); every run unpacks it afresh and removes it afterwards, mounts included,
# however the run ends.
set -euo pipefail

inputs=() out="" release=12
while (($#)); do
    case $1 in
    --release) release=${2-} && shift $(($# > 1 ? 2 : 1)) ;;
    --in) inputs+=("$(realpath "$2")") && shift 2 ;;
    --out) out=$2 && shift 2 ;;
    *) break ;;
    esac
done
(($# == 1)) || {
    echo "usage: fresh-debian.sh [--release 12|13] [--in FILE]... [--out DIR] 'COMMAND'" >&2
    exit 2
}
command=$1
case $release in
12 | bookworm) release=12 suite=bookworm ;;
13 | trixie) release=13 suite=trixie ;;
*)
    echo "fresh-debian.sh: unknown release '$release'; known: 12 (bookworm), 13 (trixie)" >&2
    exit 2
    ;;
esac
[[ $(id -u) -eq 0 ]] || { echo "fresh-debian.sh: run as root" >&2; exit 2; }

# The tools this script itself needs, on a machine that may be a fresh root too.
needed=()
for tool in mmdebstrap:mmdebstrap git:git mount:mount; do
    command -v "${tool%%:*}" >/dev/null || needed+=("${tool#*:}")
done
if ((${#needed[@]})); then
    apt-get update -q >/dev/null
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${needed[@]}" \
        >/dev/null
fi

top=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)

base=/var/tmp/pretextor-debian$release-base.tar
if [[ ! -s $base ]] || [[ -n $(find "$base" -mtime +7) ]]; then
    echo "fresh-debian.sh: making the Debian $release base root"
    # No mirror named: for a stable release mmdebstrap's default sources bring its updates and
    # security suites as well.
    mmdebstrap --variant=apt --mode=root --format=tar "$suite" "$base.part" >"$base.log" 2>&1 ||
        { echo "fresh-debian.sh: mmdebstrap failed, see $base.log" >&2; exit 1; }
    sources=$(tar -xOf "$base.part" ./etc/apt/sources.list)
    for pocket in "$suite-updates" "$suite-security"; do
        grep -q " $pocket " <<<"$sources" || {
            echo "fresh-debian.sh: mmdebstrap's sources for $suite lack $pocket" >&2
            exit 1
        }
    done
    mv "$base.part" "$base"
fi

root=$(mktemp -d /var/tmp/pretextor-fresh.XXXXXX)
mounts=(dev dev/pts dev/shm proc sys)
cleanup() {
    local status=$?
    local index
    for ((index = ${#mounts[@]} - 1; index >= 0; index--)); do
        umount -l "$root/${mounts[index]}" 2>/dev/null || true
    done
    # Removed only when nothing is mounted below it any more: never delete through a mount.
    if ! findmnt -rn -o TARGET | grep -qF "$root/"; then
        rm -rf "$root"
    else
        echo "fresh-debian.sh: $root still has mounts; left in place" >&2
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

tar -xf "$base" -C "$root"
mkdir -p "$root/build/in" "$root/build/out"
git clone -q "$top" "$root/build/project"
((${#inputs[@]} == 0)) || cp "${inputs[@]}" "$root/build/in/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount --bind /dev "$root/dev"
mount -t devpts devpts "$root/dev/pts" -o newinstance,ptmxmode=0666 2>/dev/null ||
    mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs tmpfs "$root/dev/shm"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"

echo "fresh-debian.sh: '$command' on $(git -C "$top" rev-parse --short HEAD)," \
    "Debian $release, in $root"
start=$SECONDS
status=0
env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 CI=true chroot "$root" bash -c "cd /build/project && $command" </dev/null ||
    status=$?
echo "fresh-debian.sh: exit $status after $((SECONDS - start)) s"
if [[ -n $out ]]; then
    mkdir -p "$out"
    cp -r "$root/build/out/." "$out/"
fi
exit "$status"
