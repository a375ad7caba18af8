#!/usr/bin/env bash
# Installs what the build, the tests and the benchmarks need, when missing.
# Usage: scripts/install-deps.sh [--peers]   (--peers adds the benchmark peers)
set -euo pipefail

need=(cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev)
if [[ "${1:-}" == "--peers" ]]; then
  need+=(libfftw3-dev libkissfft-dev libvolk2-dev libliquid-dev)
fi

missing=()
for pkg in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "installing: ${missing[*]}"
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
