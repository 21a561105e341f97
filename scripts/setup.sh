#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, skipping those that are
# already there (poppler-utils and librsvg2-bin rasterise the PDF and SVG files the kernel tests
# check for seams).  Run as root on a fresh Debian machine (make test and make demo call it first).
# `setup.sh fuzz` adds what the fuzz build needs: clang, its libFuzzer and sanitizer runtimes,
# and the symbolizer that names the lines of a report.
set -u
packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libcairo2-dev zlib1g-dev libfreetype-dev libgtk-3-dev fonts-dejavu-core xvfb xdotool
          clang-format poppler-utils librsvg2-bin)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-14-dev llvm)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null; then
  echo "setup: cannot install ${missing[*]}: run as root, or install them with apt-get" >&2
  exit 1
fi
sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
export DEBIAN_FRONTEND=noninteractive
if ! $sudo apt-get update -qq || ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
  echo "setup: apt-get could not install ${missing[*]}; install them by hand and run again" >&2
  exit 1
fi
