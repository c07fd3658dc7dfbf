#!/usr/bin/env bash
# Installs the Debian packages the build (and, with "test", the tests) need, if missing.
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev libsqlcipher-dev sqlcipher
          fonts-liberation2 fonts-dejavu-core)
if [ "${1:-}" = test ]; then
    packages+=(xvfb xauth xdotool openbox poppler-utils x11-utils)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
