# Shared by ./run and ./test: installs what is missing and builds.
# Sourced, not run.

ZQ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ZQ_BUILD_DIR="$ZQ_ROOT/build"

# Debian 12 packages needed to build, test and run the program.
ZQ_PACKAGES=(
  g++ cmake ninja-build pkg-config gettext
  qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev
  libzip-dev libsqlite3-dev libxkbcommon-dev libxkbregistry-dev libxkbfile-dev libx11-dev xkb-data
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-xkb-utils xdotool openbox x11-utils imagemagick
  pulseaudio pulseaudio-utils sox
  clang libclang-rt-14-dev
)

zq_install_missing_packages() {
  local missing=()
  local package
  for package in "${ZQ_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq >/dev/null
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# zq_build [extra cmake arguments...]: configures (once) and builds the
# release build in build/, which also assembles build/program/.
zq_build() {
  if [ ! -f "$ZQ_BUILD_DIR/CMakeCache.txt" ]; then
    # ccache, when the machine has it, makes rebuilds in fresh folders quick.
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$ZQ_ROOT" -B "$ZQ_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@" >/dev/null
  elif [ $# -gt 0 ]; then
    cmake "$ZQ_BUILD_DIR" "$@" >/dev/null
  fi
  cmake --build "$ZQ_BUILD_DIR" -j "$(nproc)"
}
