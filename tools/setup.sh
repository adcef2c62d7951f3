#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing. Needs root (or sudo).
# ccache and mold only make builds faster; the build uses them when they are there.
set -euo pipefail
packages=(g++ cmake ninja-build ccache mold pkg-config qt6-base-dev libsqlite3-dev libzip-dev libsodium-dev libgtest-dev libbenchmark-dev libgmp-dev poppler-utils fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q "${missing[@]}"
fi
