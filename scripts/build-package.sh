#!/usr/bin/env bash
# Builds the Debian package in BUILD_DIR (default build/package): an optimised build without
# tests, installed under /usr, with Debian's hardening flags, then CPack. Prints the package's path.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build/package}

flags=()
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
if command -v dpkg-buildflags >/dev/null; then
    flags=(-DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
           -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)")
fi
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DVM280_TESTS=OFF -DVM280_BENCH=OFF "${flags[@]}" >&2
cmake --build "$build_dir" -j "${JOBS:-$(nproc)}" >&2
(cd "$build_dir" && cpack -G DEB >&2)
ls -t "$build_dir"/vm280_*.deb | head -n 1
