# Installs the Debian packages named, when any is missing (sourced by the
# play and test commands). Uses sudo when not run as root.
install_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the game needs.
build_packages=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libsqlite3-dev
                libgl1-mesa-dev libxkbcommon-dev fonts-dejavu-core libpulse-dev)
# What building the Debian package needs on top: dpkg-shlibdeps, and file,
# with which CPack finds the executables.
package_packages=(dpkg-dev file)
# What the tests need on top, the checks of the package among them.
test_packages=(clang-format googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
               xvfb xauth desktop-file-utils appstream lintian
               dbus-daemon at-spi2-core python3-pyatspi orca speech-dispatcher openbox
               pulseaudio pulseaudio-utils sox)
