#!/bin/sh
# Installs the Debian packages that are missing, then configures and builds
# Tymba into build/ (program, tests and benchmarks in one configure).
#   tools/setup.sh [run|test]    which extra packages to make sure of
set -e
cd "$(dirname "$0")/.."

build_packages="g++ cmake ninja-build pkg-config clang-format libgtest-dev libgmock-dev
  libbenchmark-dev qt6-base-dev qt6-charts-dev qt6-multimedia-dev libqt6opengl6-dev
  libsodium-dev"
run_packages="gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-liberation2
  qt6-translations-l10n"
test_packages="xvfb xauth xdotool x11-xkb-utils pulseaudio pulseaudio-utils clang libclang-rt-14-dev
  desktop-file-utils appstream lintian dpkg-dev file poppler-utils
  python3 espeak-ng vorbis-tools"

wanted="$build_packages $run_packages"
[ "$1" = "test" ] && wanted="$wanted $test_packages"

missing=""
for p in $wanted; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $p" ;;
  esac
done

if [ -n "$missing" ]; then
  echo "Installing:$missing"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
fi

cmake -S . -B build -G Ninja
cmake --build build
