# Debian packages Quillbox needs to build, run and test, and the shared build folder. Sourced by
# run.sh, test.sh and bench.sh.

QB_BUILD_PACKAGES="cmake g++ make pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins libxcb1-dev libxcb-ewmh-dev
  libxcb-icccm4-dev libxcb-xtest0-dev clang-format qt6-l10n-tools"
QB_RUN_PACKAGES="xvfb openbox trayer x11-utils xdotool fonts-liberation fonts-dejavu-core
  pulseaudio pulseaudio-utils qt6-wayland"
# What the unit and widget tests (./test.sh --quick) use besides the build: the fonts they
# measure, a Wayland desktop with XWayland, and the desktop's own readers of the desktop entry
# the manual page and the AppStream metadata.
QB_UNIT_TEST_PACKAGES="fonts-liberation fonts-dejavu-core qt6-wayland weston xwayland
  desktop-file-utils man-db mandoc appstream"
QB_TEST_PACKAGES="$QB_UNIT_TEST_PACKAGES imagemagick sox clang libclang-rt-dev dpkg-dev lintian
  x11-xserver-utils x11-session-utils syncthing curl dbus at-spi2-core python3-pyatspi"

# Installs whichever of the named packages are missing (with sudo when not root), after saying
# which they are.
qb_install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        [[ " ${missing[*]} " == *" $pkg "* ]] && continue
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "These Debian packages are missing and will be installed:"
    printf '  %s\n' "${missing[@]}"
    echo "with: $sudo apt-get update && $sudo apt-get install --no-install-recommends ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# Configures the build folder that run.sh and test.sh share, so that switching between them
# rebuilds nothing; further arguments are passed to cmake.
qb_configure_build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}
