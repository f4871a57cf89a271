# Sourced by run.sh and test.sh: installs the Debian packages the build needs.
# ensure_packages PKG...: installs the missing ones with apt-get when run as root,
# otherwise names them and stops.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq >/dev/null || true
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        echo "Installing: ${missing[*]}"
        sudo DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null || true
        sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    else
        echo "Please install these Debian packages first: ${missing[*]}" >&2
        return 1
    fi
}

# The tests run the glTF validator under Node, installed from the npm registry into the build
# tree. A Node that brings its own npm (as other distributions of Node do) is kept as it is:
# Debian's npm package would conflict with it.
ensure_node() {
    command -v node >/dev/null && command -v npm >/dev/null && return 0
    ensure_packages nodejs npm
}

MW_CORE_PACKAGES=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev zlib1g-dev)
# What the installed window program needs besides its libraries: Qt's own texts in the
# interface languages (standard buttons), a font, and the desktop's mail and file openers.
MW_RUNTIME_PACKAGES=(qt6-translations-l10n fonts-dejavu-core xdg-utils)
MW_GUI_PACKAGES=(qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev libgl-dev libx11-dev
    "${MW_RUNTIME_PACKAGES[@]}")
# Driving the real program on a virtual X server and taking pictures of its screen.
MW_SCREEN_PACKAGES=(xvfb xdotool imagemagick)
MW_CHECK_PACKAGES=(clang libclang-rt-14-dev poppler-utils)
# The Windows window program: cross-building Qt and the program, running them under wine,
# packing the zip and the installer, and a virtual screen for the run through the window.
MW_WINDOWS_GUI_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 fonts-wine fonts-dejavu-core nsis zip unzip
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n dpkg-dev xz-utils)
# Checking and making the installable package.
MW_PACKAGE_PACKAGES=(appstream desktop-file-utils shared-mime-info dpkg-dev fakeroot lintian)
