#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Before a release: builds and tests the committed project on a fresh Debian 13 ("trixie") made
# with debootstrap, as a new user would: installs make, then `make test` and `make test-install`
# inside the chroot. Takes about half an hour on two cores; not part of CI. Needs root and the
# network (deb.debian.org). Run it niced on a shared machine:
#   nice -n 19 packaging/test-debian13.sh [chroot folder]
# The chroot (default /var/tmp/mojimaru-trixie) is made once and reused by later runs; delete it
# for a fresh start. The whole output is kept in <chroot folder>.log.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
root=${1:-/var/tmp/mojimaru-trixie}
mirror=http://deb.debian.org/debian
log=$root.log

[ "$(id -u)" -eq 0 ] || { echo "test-debian13: run as root (debootstrap and chroot)" >&2; exit 1; }
command -v debootstrap > /dev/null ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap > /dev/null

run() {
mounted=""
cleanup() {
    for m in $mounted; do
        umount -l "$root/$m" 2> /dev/null || true
    done
}
trap cleanup EXIT
bind() {
    mkdir -p "$root/$1"
    mount --bind "/$1" "$root/$1"
    mounted="$1 $mounted"
}

echo "test-debian13: $(date -u '+%F %T') UTC, chroot $root, project at $(git -C "$repo" rev-parse --short HEAD)"

if [ ! -x "$root/usr/bin/apt-get" ]; then
    echo "test-debian13: debootstrap trixie from $mirror"
    debootstrap --variant=minbase trixie "$root" "$mirror"
fi
# No service may start inside the chroot while packages install.
printf '#!/bin/sh\nexit 101\n' > "$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# Behind a proxy with its own certificate authority, the chroot trusts what this machine trusts
# (npm fetches the stroke data over HTTPS).
mkdir -p "$root/usr/local/share/ca-certificates"
cp -a /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/" 2> /dev/null || true
for m in proc sys dev dev/pts; do
    bind "$m"
done

# The committed project, as a release would be cut from it.
rm -rf "$root/root/mojimaru"
mkdir -p "$root/root/mojimaru"
git -C "$repo" archive HEAD | tar -x -C "$root/root/mojimaru"

status=0
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    TERM=dumb DEBIAN_FRONTEND=noninteractive \
    http_proxy="${http_proxy:-}" https_proxy="${https_proxy:-}" no_proxy="${no_proxy:-}" \
    NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt sh -c '
    set -e
    . /etc/os-release
    echo "test-debian13: inside $PRETTY_NAME"
    dpkg --configure -a     # a run stopped half-way leaves packages half-installed
    apt-get update -qq
    apt-get install -y -qq make > /dev/null     # the one line a fresh system needs, as the README says
    apt-get install -y -qq ca-certificates > /dev/null
    update-ca-certificates > /dev/null
    cd /root/mojimaru
    echo "test-debian13: make test"
    make test
    echo "test-debian13: make test-install"
    make test-install
' || status=$?

if [ "$status" -eq 0 ]; then
    echo "test-debian13: Debian 13: make test and make test-install passed"
else
    echo "test-debian13: Debian 13: FAILED (exit $status); the output above says where"
fi
return "$status"
}

# Everything on the terminal and in the log; the run's own exit status is the script's.
# set -e would end the left side at a failed run, before its status is written.
{ status=0; ( run < /dev/null ) || status=$?; echo "$status" > "$log.status"; } 2>&1 | tee "$log"
exit "$(cat "$log.status")"
