#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing (run as root on a fresh machine).
set -euo pipefail
packages=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libpng-dev zlib1g-dev)
missing=()
for package in "${packages[@]}"; do
	dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
	echo "Installing: ${missing[*]}"
	export DEBIAN_FRONTEND=noninteractive
	apt-get update -qq
	apt-get install -y -qq "${missing[@]}" >/dev/null
fi
