#!/usr/bin/env bash
# Fetches, through Debian's package tools, the sources of the libraries that the Windows build
# cross-compiles: libjpeg-turbo and Google Benchmark at the versions the Linux build uses.
# Quick when they are already there.
set -euo pipefail
source "$(dirname "$0")/windows-env.sh"

mkdir -p "$windows_sources"
cd "$windows_sources"
for binary in libturbojpeg0-dev libbenchmark-dev; do
  source_name=$(dpkg-query -W -f='${source:Package}' "$binary")
  version=$(dpkg-query -W -f='${source:Version}' "$binary")
  upstream=${version#*:}
  upstream=${upstream%-*}
  if ! ls "${source_name}_${upstream}".orig.tar.* >/dev/null 2>&1; then
    apt-get source --download-only "${source_name}=${version}"
  fi
done
