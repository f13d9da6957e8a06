# Debian packages the build and the tests need; sourced by tools/test and tools/run.
# shellcheck shell=bash
TVL_PACKAGES=(
    cmake make g++ zlib1g-dev libgtest-dev    # native build and unit tests
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev libz-mingw-w64-dev  # the Windows build
    wine wine64                               # runs the Windows tests and the installer
    xvfb x11-utils imagemagick                # a display for the pages, screenshots of them
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
