# What tools/test and tools/run share: the Debian packages, the builds, the test display.
TVL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck shell=bash
TVL_PACKAGES=(
    cmake make g++ zlib1g-dev libgtest-dev    # native build and unit tests
    g++-mingw-w64-x86-64-win32 mingw-w64-x86-64-dev libz-mingw-w64-dev  # the Windows build
    lld llvm                                  # its linker (driven by clang), delay-load libraries
    zopfli                                    # compresses the payloads it carries
    wine wine64                               # runs the Windows tests and the installer
    xvfb x11-utils imagemagick                # a display for the pages, screenshots of them
    python3                                   # makes the payload streams at build time
    clang libclang-rt-14-dev                  # libFuzzer (tools/fuzz); drives lld for Windows
    osslsigncode openssl                      # signing the release, and checking it
)

# Installs whatever of TVL_PACKAGES is missing when run as root; otherwise names it and fails.
tvl_install_missing() {
    local missing=() package
    for package in "${TVL_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0
    if [[ $(id -u) -ne 0 ]]; then
        echo "Missing Debian packages: ${missing[*]}" >&2
        echo "Install them as root (apt-get install ${missing[*]}) or run this script as root." >&2
        return 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds one configuration under build/NAME; extra cmake arguments follow the name.
tvl_build() {
    local name=$1 build=$TVL_ROOT/build
    shift
    mkdir -p "$build/logs"
    echo "== build $name"
    cmake -S "$TVL_ROOT" -B "$build/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" \
        >"$build/logs/$name-configure.log" 2>&1 ||
        { cat "$build/logs/$name-configure.log"; return 1; }
    local targets=()
    # shellcheck disable=SC2206  # TVL_TARGET is a space-separated list of target names
    [[ -n ${TVL_TARGET:-} ]] && targets=(--target $TVL_TARGET)
    cmake --build "$build/$name" -j "$(nproc)" "${targets[@]}" \
        >"$build/logs/$name-build.log" 2>&1 ||
        { grep -E 'error|Error' "$build/logs/$name-build.log" | head -50; return 1; }
}

# The tests under Wine run the release configuration: the code they drive is the code that ships
# (tools/release strips and signs it).
tvl_build_windows() {
    tvl_build windows -DCMAKE_TOOLCHAIN_FILE="$TVL_ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DTVL_RELEASE=ON
}

# Starts a virtual X display of our own on a free number and exports DISPLAY; the caller stops
# it with tvl_stop_display (by its PID).
TVL_XVFB_PID=
tvl_start_display() {
    local number=90
    while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do
        number=$((number + 1))
    done
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    TVL_XVFB_PID=$!
    local waited=0
    until [[ -e /tmp/.X11-unix/X$number ]]; do
        if ! kill -0 "$TVL_XVFB_PID" 2>/dev/null || [[ $waited -ge 100 ]]; then
            echo "Xvfb did not start on :$number" >&2
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    export DISPLAY=:$number
}

tvl_stop_display() {
    if [[ -n $TVL_XVFB_PID ]]; then
        kill "$TVL_XVFB_PID" 2>/dev/null || true
        wait "$TVL_XVFB_PID" 2>/dev/null || true
        TVL_XVFB_PID=
    fi
}
