# Shared by tools/run.sh and tools/test.sh: progress output, step
# failures, the packages a Debian 12 machine needs, and the two builds.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${BUILD_ROOT:-$ROOT/build}"
JOBS="${JOBS:-$(nproc 2>/dev/null || echo 2)}"

PACKAGES=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
          wine64 xvfb xauth fonts-wqy-zenhei imagemagick cmake make googletest locales)

CURRENT_STEP=""
step() {
    CURRENT_STEP="$1"
    echo "==> $1"
}
on_error() {
    echo "FAILED at step: ${CURRENT_STEP:-(start)}" >&2
}
trap on_error ERR
set -eE -o pipefail

install_missing_packages() {
    step "checking packages"
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        echo "    all packages present"
        return
    fi
    step "installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Wine runs with code page 936 and names files in the Unix locale's
# character set, so the zh_CN.UTF-8 locale must exist.
ensure_chinese_locale() {
    if locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
        return
    fi
    step "generating the zh_CN.UTF-8 locale"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

# build_target ARCH [extra cmake args...]  (ARCH: x86_64 or i686)
# Builds into $BUILD_ROOT/ARCH, or $BUILD_ROOT/$BUILD_NAME when set.
build_target() {
    local arch="$1"; shift
    local dir="$BUILD_ROOT/${BUILD_NAME:-$arch}"
    step "configuring $arch"
    mkdir -p "$BUILD_ROOT"
    cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$arch.cmake" \
          -DCMAKE_BUILD_TYPE=Release "$@" > "$dir.configure.log" 2>&1 \
        || { cat "$dir.configure.log"; false; }
    step "building $arch"
    cmake --build "$dir" -j "$JOBS"
}

# Starts Xvfb on a free display; sets DISPLAY and XVFB_PID.
start_virtual_display() {
    local n=91
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    return 1
}


# Starts a persistent wine server for the build's prefix (creating the
# prefix first), so each program starts quickly.
start_wine_server() {
    local dir
    dir="$(cd "$1" && pwd)"
    step "preparing the Wine prefix"
    "$dir/wine-run.sh" --init
    WINEPREFIX="$dir/wineprefix" HOME="$dir/winehome" /usr/lib/wine/wineserver -p
    WINE_SERVER_PREFIX="$dir/wineprefix"
    # Start Wine's own background processes now, detached from every pipe:
    # started by the first test program instead, they would inherit its
    # output and ctest would wait for them until its time-out.
    "$dir/wine-run.sh" wineboot > /dev/null 2>&1 < /dev/null
}

stop_started_processes() {
    if [ -n "${WINE_SERVER_PREFIX:-}" ]; then
        WINEPREFIX="$WINE_SERVER_PREFIX" /usr/lib/wine/wineserver -k 2>/dev/null || true
        WINE_SERVER_PREFIX=""
    fi
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}
