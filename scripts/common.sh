# Shared by run.sh and test.sh: installs what is missing, builds, and manages the Wine session.
# Source it; it defines functions only.

ORVEX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORVEX_PACKAGES=(
    cmake make g++ googletest clang libclang-rt-14-dev nlohmann-json3-dev python3
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 mingw-w64-i686-dev
    wine wine64 fonts-wine
    xvfb xauth xdotool imagemagick procps
)

orvex_log() { printf '[orvex] %s\n' "$*" >&2; }

orvex_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# True when the kernel runs 32-bit x86 programs: a 93-byte i386 program that only exits is tried.
# Some kernels are booted without 32-bit emulation; there, Wine with its 32-bit half installed picks
# the 32-bit loader for everything and starts nothing at all, so that half must stay out.
orvex_runs_32bit_programs() {
    local probe
    probe="$(mktemp)" || return 1
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
    chmod +x "$probe"
    local status=0
    "$probe" 2>/dev/null || status=1
    rm -f "$probe"
    return $status
}

# Installs the Debian packages that are not there yet (nothing at all when everything is). Wine's
# 32-bit half (for the log of 32-bit programs) needs the i386 architecture known to dpkg first, and
# a kernel that runs 32-bit programs.
orvex_install_deps() {
    local missing=() pkg packages=("${ORVEX_PACKAGES[@]}")
    if orvex_runs_32bit_programs; then
        if ! dpkg --print-foreign-architectures | grep -qx i386; then
            orvex_log "adding the i386 architecture"
            orvex_as_root dpkg --add-architecture i386
        fi
        packages+=(wine32:i386)
    else
        orvex_log "this kernel runs no 32-bit programs: Wine's 32-bit half is left out"
    fi
    for pkg in "${packages[@]}"; do
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
