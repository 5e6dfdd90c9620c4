#!/usr/bin/env bash
# A folder whose disk is full, for the download worker's write-failure test.
#
#   full-disk.sh setup DIR     mounts a 256 KB tmpfs on DIR when this user may
#                              mount (root with the capability); otherwise
#                              makes DIR/FullDisk.flv a link to /dev/full,
#                              where every write fails with "no space left".
#                              DIR/kind says which: "tmpfs" or "devfull".
#   full-disk.sh cleanup DIR   unmounts and removes DIR.
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 setup|cleanup DIR" >&2; exit 2; }
command=$1
dir=$2

unmount() {
    if mountpoint -q "$dir" 2>/dev/null; then
        umount "$dir"
    fi
}

case $command in
setup)
    mkdir -p "$dir"
    unmount
    rm -rf "${dir:?}"/*
    if mount -t tmpfs -o size=256k,mode=0777 quillon-full-disk "$dir" 2>/dev/null; then
        echo tmpfs >"$dir/kind"
    else
        ln -sfn /dev/full "$dir/FullDisk.flv"
        echo devfull >"$dir/kind"
    fi
    echo "full disk ready in $dir: $(cat "$dir/kind")"
    ;;
cleanup)
    unmount
    rm -rf "${dir:?}"
    ;;
*)
    echo "usage: $0 setup|cleanup DIR" >&2
    exit 2
    ;;
esac
