#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Run as root. Idempotent: returns quickly when everything is in place.
set -euo pipefail

# wine64 and the x86_64 compilers serve machines that cannot run 32-bit
# code: the tests then run as a 64-bit build (see env.sh).
PACKAGES=(wine wine32:i386 wine64 xvfb gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix
          gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev cmake make
          locales fonts-wqy-microhei python3 dpkg-dev lame imagemagick xdotool x11-utils googletest)
DEPS_DIR=/opt/quillora-deps

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing_packages() {
  local p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

ensure_packages() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    NEED_UPDATE=1
  fi
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return 0
  as_root apt-get update -qq
  NEED_UPDATE=0
  # shellcheck disable=SC2086
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

ensure_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
      echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
  fi
}

# minizip is not packaged for mingw: its sources come from zlib's source package.
ensure_minizip_sources() {
  compgen -G "$DEPS_DIR/zlib-*/contrib/minizip/unzip.c" >/dev/null && return 0
  local list=/etc/apt/sources.list.d/quillora-deb-src.sources
  if [ ! -f "$list" ]; then
    local uri
    uri=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
    [ -n "$uri" ] || uri=http://deb.debian.org/debian
    printf 'Types: deb-src\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
      "$uri" | as_root tee "$list" >/dev/null
    as_root apt-get update -qq
  fi
  as_root mkdir -p "$DEPS_DIR"
  (cd "$DEPS_DIR" && as_root apt-get source -qq zlib >/dev/null)
}

NEED_UPDATE=0
ensure_packages
ensure_locale
ensure_minizip_sources
