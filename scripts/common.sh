# Shared by scripts/run and scripts/test: the Debian packages Tandrel needs.
# shellcheck shell=bash

TANDREL_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libhpdf-dev libcurl4-openssl-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libpoppler-cpp-dev qpdf
  qt6-translations-l10n
  fonts-liberation
  time
)

tandrel_install_packages() {
  local missing=()
  local p
  for p in "${TANDREL_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Please run:"
    echo "  sudo apt-get install -y ${missing[*]}"
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
}

tandrel_jobs() {
  nproc 2>/dev/null || echo 2
}
