#!/usr/bin/env bash
# Installs with apt-get whatever the named package groups need and the machine lacks.
#   scripts/install-deps.sh [build] [fuzz] [valgrind] [conformance]   (default: build)
set -euo pipefail

declare -A groups=(
    [build]="build-essential cmake ninja-build pkg-config zlib1g-dev libgif-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev"
    [fuzz]="clang libclang-rt-14-dev"
    [valgrind]="valgrind"
    [conformance]="chromium nodejs"
)

wanted=()
for group in "${@:-build}"; do
    [[ -v groups[$group] ]] || { echo "install-deps: unknown group '$group'" >&2; exit 2; }
    read -ra packages <<<"${groups[$group]}"
    wanted+=("${packages[@]}")
done

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
# npm may come with the machine's Node.js rather than as a package of its own.
if [[ " ${wanted[*]} " == *" nodejs "* ]] && ! command -v npm >/dev/null; then
    missing+=(npm)
fi
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
