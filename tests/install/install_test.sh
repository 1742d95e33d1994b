#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `make install PREFIX=…` does,
# validates the desktop entry and the AppStream metadata, checks the icons,
# that the program links QtCore alone and finds its modules by no path of
# the build, and starts the installed program on a real X server.
set -uo pipefail

build_dir=${1:?usage: install_test.sh BUILD_DIR X11_WINDOW_TEST}
x11_window_test=${2:?usage: install_test.sh BUILD_DIR X11_WINDOW_TEST}
app_id=io.github.platewise.Platewise

fail() { echo "FAILED: $*"; exit 1; }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

[ -x "$prefix/bin/platewise" ] || fail "no bin/platewise"
desktop-file-validate "$prefix/share/applications/$app_id.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"
# The commands start without Qt's GUI libraries: only the modules load them.
needed=$(readelf -d "$prefix/bin/platewise" | grep -o 'libQt6[A-Za-z]*' | sort -u | tr '\n' ' ')
[ "$needed" = "libQt6Core " ] || fail "bin/platewise needs $needed, not QtCore alone"
# Two modules, printing inside the window's.
modules=$(find "$prefix" -name '*.so' -printf '%f\n' | sort | tr '\n' ' ')
[ "$modules" = "platewise_report_command.so platewise_window.so " ] ||
  fail "installed modules: $modules"
# No installed file looks for a module in the build tree.
build_path=$(cd "$build_dir" && pwd)
while read -r file; do
  ! strings -a "$file" | grep -F "$build_path" | grep -q '\.so' ||
    fail "$file names a module in the build tree"
done < <(find "$prefix" -type f)
# The installed program finds its modules: the report of the example beam, without a display.
example=$(dirname "$0")/../../examples/KL-1.json
DISPLAY='' "$prefix/bin/platewise" report "$example" -o "$prefix/KL-1.pdf" 2>/dev/null &&
  [ -s "$prefix/KL-1.pdf" ] || fail "the installed program wrote no report"
for icon in scalable/apps/platewise.svg 32x32/apps/platewise.png 64x64/apps/platewise.png; do
  [ -s "$prefix/share/icons/hicolor/$icon" ] || fail "no icon $icon"
done

# The installed program itself; this exits 77 (skipped) where Xvfb cannot run.
exec "$x11_window_test" "$prefix/bin/platewise"
