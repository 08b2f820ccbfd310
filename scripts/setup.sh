#!/usr/bin/env bash
# Installs with apt whatever the build, the tests and the screenshots need and this machine lacks.
set -euo pipefail
packages=(cmake g++ qt6-base-dev libgtest-dev fonts-noto-cjk xvfb xauth imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
