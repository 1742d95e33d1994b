#!/usr/bin/env bash
# Installs, from Debian 12 packages, whatever the build, the tests and the
# window need and this machine lacks. Installs nothing else.
#   install-deps.sh        what make run, bench, install and package need
#   install-deps.sh test   that and LibreOffice Writer and Calc, which the tests use
#                          to render the .docx and .odt reports and to read the
#                          .xlsx results (test-time tools only)
#   install-deps.sh fuzz   that and clang with libFuzzer, for make fuzz
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  libzip-dev libxlsxwriter-dev zlib1g-dev
  libgtest-dev libbenchmark-dev
  librsvg2-bin
  xvfb xauth x11-utils
  poppler-utils unzip
  dpkg-dev desktop-file-utils appstream
  fonts-wqy-zenhei fonts-arphic-uming fonts-liberation2
  clang-format
)
case "${1:-}" in
  test) packages+=(libreoffice-writer-nogui libreoffice-calc-nogui) ;;
  fuzz) packages+=(clang libclang-rt-14-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
else
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# Two builds started side by side wait for each other's apt rather than fail on its lock.
wait_for_lock=(-o DPkg::Lock::Timeout=1200)
"${sudo[@]}" apt-get "${wait_for_lock[@]}" update -qq
"${sudo[@]}" apt-get "${wait_for_lock[@]}" install -y -qq --no-install-recommends "${missing[@]}"
