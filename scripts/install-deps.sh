#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# skipping the update and install when everything is already there.
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev libxkbcommon-dev
  libmagick++-6.q16-dev imagemagick ghostscript
  libraw-dev libraw-bin
  libspng-dev libjpeg62-turbo-dev zlib1g-dev
  libcurl4-openssl-dev
  xvfb xauth fonts-dejavu-core fonts-dejavu-extra libimage-exiftool-perl python3 python3-pyftpdlib openssh-server
  liblcms2-utils
  # A FUSE mount that refuses every change of permissions, as a destination.
  bindfs
  librsvg2-bin
  # The install test: the desktop entry, software-centre listing and file-type
  # package are validated, and the file types' database is built.
  desktop-file-utils appstream libxml2-utils shared-mime-info
  # Qt's own translations (standard buttons, wizard and file dialogs) and
  # a Japanese font, so the translated interface is drawn in full.
  qt6-translations-l10n fonts-ipafont-gothic
)
missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
