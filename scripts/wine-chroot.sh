# The Wine that runs our Windows programs, 32- and 64-bit: Debian sid's Wine 10
# in a chroot outside the clone. Sourced by install-deps and wine-run; run as
# `wine-chroot.sh --enter DIR... -- COMMAND...` inside a private mount
# namespace, it makes the given host folders visible in the chroot at their
# own paths and runs COMMAND there, in the same working folder.
wine_chroot=${NUMORA_WINE_CHROOT:-/var/cache/numora/wine-sid}
wine_chroot_packages="wine64 libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 \
libxinerama1 libxcomposite1 fonts-dejavu-core locales"
wine_chroot_stamp=.numora-wine-ready
wine_dir=/usr/lib/x86_64-linux-gnu/wine

wine_chroot_ready() {
    [[ -f $wine_chroot/$wine_chroot_stamp &&
        $(cat "$wine_chroot/$wine_chroot_stamp") == "$wine_chroot_packages" ]]
}

if [[ ${1:-} == --enter ]]; then
    set -euo pipefail
    shift
    mount --rbind /dev "$wine_chroot/dev"
    mount --bind /proc "$wine_chroot/proc"
    while [[ $1 != -- ]]; do
        mkdir -p "$wine_chroot$1"
        mount --bind "$1" "$wine_chroot$1"
        shift
    done
    shift
    exec chroot "$wine_chroot" /usr/bin/env --chdir="$PWD" "$@"
fi
