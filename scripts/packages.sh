# Debian packages Quillbox needs to build, run and test. Sourced by run.sh and test.sh.

QB_BUILD_PACKAGES="cmake g++ make pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins libxcb1-dev libxcb-ewmh-dev
  libxcb-icccm4-dev libxcb-xtest0-dev"
QB_RUN_PACKAGES="xvfb openbox trayer x11-utils xdotool fonts-liberation fonts-dejavu-core
  pulseaudio pulseaudio-utils"
QB_TEST_PACKAGES="imagemagick sox clang libclang-rt-14-dev dpkg-dev desktop-file-utils man-db"

# Installs whichever of the named packages are missing (with sudo when not root).
qb_install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}
