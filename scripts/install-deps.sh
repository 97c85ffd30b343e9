#!/usr/bin/env bash
# Installs every Debian 12 package needed to build, run and test the program.
# Safe to run again: packages already present are skipped.
set -euo pipefail

PACKAGES=(
  build-essential cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev qt6-translations-l10n
  libsqlite3-dev sqlite3
  libbenchmark-dev libxlsxwriter-dev zlib1g-dev
  fonts-dejavu-core
  xvfb xauth xdotool poppler-utils libxml2-utils unzip
  locales
  clang libfuzzer-14-dev
)

# The tests run under a Polish locale to prove that nothing written depends on it.
LOCALE_LINE="pl_PL.UTF-8 UTF-8"

has_polish_locale() {
  command -v locale >/dev/null 2>&1 && locale -a 2>/dev/null | grep -qiE '^pl_PL\.utf-?8$'
}

ensure_polish_locale() {
  has_polish_locale && return 0
  echo "install-deps: generating the locale pl_PL.UTF-8"
  if grep -qE "^[#[:space:]]*${LOCALE_LINE}[[:space:]]*$" /etc/locale.gen 2>/dev/null; then
    $SUDO sed -i -E "s/^[#[:space:]]*(${LOCALE_LINE})[[:space:]]*$/\1/" /etc/locale.gen
  else
    echo "${LOCALE_LINE}" | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen
}

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ] && has_polish_locale; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO="sudo"; else
    echo "install-deps: missing packages (${missing[*]}) or locale pl_PL.UTF-8, and not root" >&2
    exit 1
  fi
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
ensure_polish_locale
