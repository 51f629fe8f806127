# Shared by the project's scripts: package installation and the CMake builds.
# shellcheck shell=bash

RZ_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages the project builds, tests and runs with.
RZ_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libsdl2-dev libsdl2-mixer-dev
    libpng-dev libjpeg-dev libtiff-dev libvorbis-dev zlib1g-dev
    qt6-base-dev qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang clang-format libclang-rt-14-dev
)

rz_log() { printf '== %s\n' "$*" >&2; }

# Installs whatever of RZ_PACKAGES is missing (apt-get; sudo when not root).
rz_ensure_packages() {
    local missing=()
    local package
    for package in "${RZ_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    rz_log "installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# rz_configure DIR [cmake options...]: configures a build tree below the root (once).
rz_configure() {
    local dir="$RZ_ROOT/$1"
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$RZ_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    fi
}

# rz_compile DIR [target...]: builds the given targets (all without any) of a tree.
rz_compile() {
    local dir="$RZ_ROOT/$1"
    shift
    local targets=()
    local target
    for target in "$@"; do
        targets+=(--target "$target")
    done
    cmake --build "$dir" "${targets[@]}" -- -j"$(nproc)"
}

# rz_build DIR [cmake options...]: configures (once) and builds everything of a tree.
rz_build() {
    rz_configure "$@"
    rz_compile "$1"
}
