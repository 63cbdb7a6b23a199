#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run the VM-280 tool.
# Idempotent: only missing packages are installed.
set -euo pipefail

packages=(
    cmake g++ clang clang-format ninja-build make pkg-config
    qt6-base-dev qt6-serialport-dev qt6-base-dev-tools libqt6serialport6 qt6-translations-l10n
    libgl-dev
    libopencc-dev libopencc-data opencc
    libgtest-dev
    libclang-rt-14-dev
    xvfb xauth xdotool imagemagick poppler-utils
    fonts-wqy-microhei
    desktop-file-utils appstream lintian dpkg-dev librsvg2-bin shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}" >&2
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
        sudo_cmd=(sudo)
    else
        echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
        exit 1
    fi
fi

export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
