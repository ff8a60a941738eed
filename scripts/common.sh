# Shared by run.sh and test.sh: installs what is missing, builds, and manages the Wine session.
# Source it; it defines functions only.

ORVEX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORVEX_PACKAGES=(
    cmake make g++ googletest clang libclang-rt-14-dev nlohmann-json3-dev python3
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    wine wine64 fonts-wine
    xvfb xauth xdotool imagemagick procps
)

orvex_log() { printf '[orvex] %s\n' "$*" >&2; }

orvex_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages that are not there yet (nothing at all when everything is).
orvex_install_deps() {
    local missing=() pkg
    for pkg in "${ORVEX_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    orvex_log "installing: ${missing[*]}"
    orvex_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    orvex_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

orvex_jobs() { nproc 2>/dev/null || echo 2; }

orvex_build_windows() {
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j "$(orvex_jobs)" "$@"
}

orvex_build_fuzz() {
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz -j "$(orvex_jobs)" "$@"
}

orvex_build_native() {
    cmake --preset native >/dev/null
    cmake --build --preset native -j "$(orvex_jobs)" "$@"
}
