# Shared by the Windows build scripts (sourced, not run): where the cross-built libraries are kept
# and how Wine is started.

# Built once per machine and reused by every build tree and clone; never part of the repo.
windows_cache="${VISTELLE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vistelle}/windows"
windows_sources="$windows_cache/sources"
windows_prefix="$windows_cache/mingw-x86_64"

# Debian puts the 64-bit loader beside the wrapper rather than on the PATH.
wine64_command() {
  if command -v wine64 >/dev/null; then
    command -v wine64
  else
    echo /usr/lib/wine/wine64
  fi
}

# Debian's wine64 keeps wineserver beside the loader too, off the PATH.
wineserver_command() {
  if command -v wineserver >/dev/null; then
    command -v wineserver
  else
    echo /usr/lib/wine/wineserver64
  fi
}
