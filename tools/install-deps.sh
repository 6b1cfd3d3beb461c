#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and nothing when all are there.
# Further package names given as arguments are installed with them (the benchmarks' needs).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libturbojpeg0-dev libx11-dev
    fonts-liberation2 fonts-dejavu-core fonts-urw-base35
    libgtest-dev libgmock-dev libbenchmark-dev
    desktop-file-utils appstream dpkg-dev strace file lintian man-db
    weston qt6-wayland
    xvfb xdotool x11-utils openbox dbus-bin dbus-daemon at-spi2-core python3-pyatspi libfaketime procps
    clang libclang-rt-14-dev clang-tidy clang-format
    build-essential debhelper bash-completion autopkgtest xauth reprotest diffoscope-minimal faketime disorderfs
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
