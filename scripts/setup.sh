# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
# Sourced, not run. Honours PD_BUILD_DIR (default build) and PD_CMAKE_ARGS.
set -euo pipefail
PD_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PD_BUILD_DIR=${PD_BUILD_DIR:-$PD_ROOT/build}

pd_packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-dejavu-extra fonts-liberation
  qt6-base-dev libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev libvorbis-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  libx11-dev desktop-file-utils appstream dpkg-dev
  xvfb xdotool x11-utils xclip poppler-utils imagemagick sox
)

pd_install_packages() {
  local missing=()
  for p in "${pd_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

pd_build() {
  cmake -S "$PD_ROOT" -B "$PD_BUILD_DIR" -G Ninja ${PD_CMAKE_ARGS:-} >/dev/null
  cmake --build "$PD_BUILD_DIR" -j "$(nproc)"
}
