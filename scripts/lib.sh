# Shared by the project's scripts: package installation and the CMake builds.
# shellcheck shell=bash

RZ_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages the game needs to build and run (scripts/play installs only these).
RZ_GAME_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libsdl2-dev libsdl2-mixer-dev
    libpng-dev libjpeg-dev libtiff-dev libvorbis-dev zlib1g-dev
)
# What the builder, the tests, the benchmarks and the checks need on top. The formatter is
# pinned to one major version so that a newer distribution's clang-format does not reformat
# the tree; libclang-rt-dev follows whichever clang is installed (the fuzzers and sanitizers
# link its runtime). pixman is only drawn beside our compositor in its benchmark.
RZ_DEV_PACKAGES=(
    qt6-base-dev qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libpixman-1-dev
    clang libclang-rt-dev clang-format-14
)
RZ_PACKAGES=("${RZ_GAME_PACKAGES[@]}" "${RZ_DEV_PACKAGES[@]}")

rz_log() { printf '== %s\n' "$*" >&2; }

# rz_ensure_packages [package...]: installs whatever of the given packages (all of
# RZ_PACKAGES without any) is missing (apt-get; sudo when not root).
rz_ensure_packages() {
    local wanted=("$@")
    if [ "${#wanted[@]}" -eq 0 ]; then
        wanted=("${RZ_PACKAGES[@]}")
    fi
    local missing=()
    local package
    for package in "${wanted[@]}"; do
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

# rz_configure DIR [cmake options...]: configures a build tree below the root. CMake runs
# every time (a second run is quick), so a tree configured by an older checkout or with
# other options takes the current CMake files and the options given here.
rz_configure() {
    local dir="$RZ_ROOT/$1"
    shift
    cmake -S "$RZ_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
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

# rz_build DIR [cmake options...]: configures and builds everything of a tree.
rz_build() {
    rz_configure "$@"
    rz_compile "$1"
}
