# Shared by ./run, ./test and ./package: installs what is missing and builds.
# Sourced, not run.

ZQ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ZQ_BUILD_DIR="$ZQ_ROOT/build"

# Debian 12 packages needed to build and run the program.
ZQ_PROGRAM_PACKAGES=(
  g++ cmake ninja-build pkg-config gettext
  qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev
  libzip-dev libsqlite3-dev libxkbcommon-dev libxkbregistry-dev libxkbfile-dev libx11-dev xkb-data
  # Speech: Qt TextToSpeech builds against Qt's QML headers, and speaks at
  # run time through its speech-dispatcher plug-in and speech-dispatcher's
  # espeak-ng voices.
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
  # A font many dyslexic learners read more easily: the profile dialog's
  # font chooser lists it ("OpenDyslexic") among the desktop's fonts.
  fonts-opendyslexic
)
# ... to make the Debian package (dpkg-shlibdeps finds its dependencies).
ZQ_PACKAGE_PACKAGES=(dpkg-dev file)
# ... to build and run the tests and benchmarks, and check the package.
ZQ_TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-xkb-utils xdotool openbox x11-utils imagemagick python3
  pulseaudio pulseaudio-utils sox
  # The screen reader tests: a private session bus, the accessibility bus and
  # its registry, and the library a screen reader reads programs with.
  dbus-daemon at-spi2-core libatspi2.0-dev
  clang libclang-rt-14-dev
  lintian desktop-file-utils appstream
  # The headless Wayland compositor of the end-to-end tests, and what their
  # keyboard and screenshots need.
  sway xwayland x11-xserver-utils grim qt6-wayland libwayland-dev libwayland-bin
  # Dictionaries of the course maker's test over every keyboard layout.
  hunspell-es hunspell-pl hunspell-ru
)

# zq_install_missing_packages PACKAGE...: installs those not installed yet.
zq_install_missing_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq >/dev/null
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}" >/dev/null
}

# zq_configure DIRECTORY [cmake arguments...]: configures a build folder the
# first time, and again when arguments are given.
zq_configure() {
  local directory=$1
  shift
  if [ ! -f "$directory/CMakeCache.txt" ]; then
    # ccache, when the machine has it, makes rebuilds in fresh folders quick.
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$ZQ_ROOT" -B "$directory" -G Ninja "${launcher[@]}" "$@" >/dev/null
  elif [ $# -gt 0 ]; then
    cmake "$directory" "$@" >/dev/null
  fi
}

# zq_build_program: builds what the program needs in build/ (made without
# the tests when it does not exist yet), which assembles build/program/.
zq_build_program() {
  [ -f "$ZQ_BUILD_DIR/CMakeCache.txt" ] \
    || zq_configure "$ZQ_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DZQ_BUILD_TESTS=OFF
  cmake --build "$ZQ_BUILD_DIR" -j "$(nproc)" --target zq_program
}

# zq_configure_all [extra cmake arguments...]: configures build/ for
# everything: the program, its tests, benchmarks and tools; as root with the
# package's settings too (./test then packages build/, see ./package).
zq_configure_all() {
  local settings=()
  if [ "$(id -u)" -eq 0 ]; then
    zq_package_settings
    settings=("${ZQ_PACKAGE_SETTINGS[@]}")
  fi
  zq_configure "$ZQ_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DZQ_BUILD_TESTS=ON "${settings[@]}" "$@"
}

# zq_build_all [extra cmake arguments...]: builds everything in build/.
zq_build_all() {
  zq_configure_all "$@"
  cmake --build "$ZQ_BUILD_DIR" -j "$(nproc)"
}

# zq_package_settings: sets ZQ_PACKAGE_SETTINGS, the CMake arguments of a
# build the Debian package is made from (./package): installed as a system
# package under /usr, with Debian's compiler and linker flags, hardened.
# Without debugging information, which the package's programs are stripped
# of anyway (tools/dev/strip-for-debian.sh); and so without the source
# paths the flags would otherwise rewrite (fixfilepath), which keeps the
# compiler cache valid for every build folder.
zq_package_settings() {
  export DEB_BUILD_MAINT_OPTIONS="hardening=+all reproducible=-fixfilepath,-fixdebugpath"
  export DEB_CXXFLAGS_MAINT_STRIP=-g
  ZQ_PACKAGE_SETTINGS=(-DCMAKE_INSTALL_PREFIX=/usr -DZQ_SYSTEM_INSTALL=ON
    "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
    "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)"
    "-DCMAKE_MODULE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)"
    "-DCMAKE_STRIP=$ZQ_ROOT/tools/dev/strip-for-debian.sh")
}

# zq_timed TITLE COMMAND...: runs a command and says how long it took.
zq_timed() {
  local title=$1 started=$SECONDS
  shift
  "$@"
  echo "$title: step took $((SECONDS - started)) s"
}

# The clang build of the toolkit-free libraries, their tests and the fuzz
# targets, in build-sanitize/: AddressSanitizer, UndefinedBehaviorSanitizer
# and libFuzzer's coverage on everything, and clang's thread-safety analysis
# (base/ThreadSafety.h) of every file, warnings as errors; assertions on,
# line tables for the sanitizers' reports. The libraries are optimised a
# little, for the fuzzers' speed; the tests' own files not at all, for the
# build's. .ci/run builds and tests it; tests/fuzz/run-fuzzers.sh fuzzes in it.
ZQ_SANITIZE_DIR="$ZQ_ROOT/build-sanitize"
zq_configure_sanitize() {
  local sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
  zq_configure "$ZQ_SANITIZE_DIR" -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_COMPILER=clang++ \
    -DZQ_CORE_ONLY=ON -DZQ_FUZZ=ON -DZQ_WARNINGS_AS_ERRORS=ON -DZQ_TEST_OPTIMIZATION=-O0 \
    "-DCMAKE_CXX_FLAGS=-O1 -gline-tables-only -fno-omit-frame-pointer $sanitizers -Wthread-safety" \
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
}
