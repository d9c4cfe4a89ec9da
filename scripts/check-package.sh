#!/usr/bin/env bash
# Builds the Debian package in the given build folder and checks it as Debian would: lintian
# (no error or warning allowed), the installed desktop entry and AppStream metadata, the manual
# pages, icons and hardening, and a start of the installed program.
# Usage: scripts/check-package.sh BUILD_DIR
# The package is installed with apt-get for the checks and removed again afterwards, unless it
# was installed before.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
cd "$(dirname "$0")/.."
src=$(pwd)
build=$(realpath -m "$1")
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

./scripts/install-deps.sh
tools=(lintian desktop-file-utils appstream file man-db)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A new folder builds the program alone; an existing one (the test build) keeps its options.
if [ -f "$build/CMakeCache.txt" ]; then
  cmake -S "$src" -B "$build" >/dev/null
else
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVC_BUILD_TESTS=OFF
fi
cmake --build "$build" -j "${JOBS:-2}"
rm -f "$build"/videoconverter_*.deb
(cd "$build" && cpack)
deb=$(ls "$build"/videoconverter_*.deb)
echo "Package: $deb"

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok   $1"; }
fail() { failed=$((failed + 1)); echo "FAIL $1"; }

# ---- lintian: every tag shown, overridden ones too; errors and warnings fail ----
lintian_out=$(lintian --display-info --show-overrides --fail-on none "$deb" 2>&1) || true
echo "--- lintian"
echo "${lintian_out:-(no output)}"
echo "---"
if grep -qE '^[EW]: ' <<<"$lintian_out"; then fail "lintian reports errors or warnings"; else pass "lintian"; fi

# ---- the package's contents, installed ----
was_installed=no
if dpkg-query -W -f='${Status}' videoconverter 2>/dev/null | grep -q "install ok installed"; then
  was_installed=yes
fi
cleanup() {
  if [ "$was_installed" = no ]; then
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq videoconverter >/dev/null || true
  fi
}
trap cleanup EXIT
# apt resolves the computed dependencies; a wrong one fails here.
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$deb"

if desktop-file-validate /usr/share/applications/videoconverter.desktop; then
  pass "desktop-file-validate"
else
  fail "desktop-file-validate"
fi
metainfo=(/usr/share/metainfo/*VideoConverter.metainfo.xml)
if appstreamcli validate --no-net "${metainfo[@]}"; then
  pass "appstreamcli validate"
else
  fail "appstreamcli validate"
fi

# Every command in /usr/bin that the package installs has a manual page.
no_page=()
while read -r cmd; do
  man -w "$(basename "$cmd")" >/dev/null 2>&1 || no_page+=("$(basename "$cmd")")
done < <(dpkg -L videoconverter | grep '^/usr/bin/.')
if [ ${#no_page[@]} -eq 0 ]; then pass "manual pages"; else fail "no manual page: ${no_page[*]}"; fi

# The icon theme: each size is that size, and the scalable one is there.
bad_icons=()
for size in 16 32 48 64 128 256; do
  icon=/usr/share/icons/hicolor/${size}x${size}/apps/videoconverter.png
  file -b "$icon" 2>/dev/null | grep -q "PNG image data, $size x $size," || bad_icons+=("$icon")
done
[ -f /usr/share/icons/hicolor/scalable/apps/videoconverter.svg ] ||
  bad_icons+=(/usr/share/icons/hicolor/scalable/apps/videoconverter.svg)
if [ ${#bad_icons[@]} -eq 0 ]; then pass "icons"; else fail "icons: ${bad_icons[*]}"; fi

# Every interface language: the compiled translation and the language file, found through the
# program folder's links; Qt's own translations are recommended.
missing_tr=()
for l in de fr es it pt_BR ru zh_CN ja; do
  for f in translations/videoconverter_$l.qm language.$l.info; do
    [ -s "/usr/lib/videoconverter/$f" ] || missing_tr+=("$f")
  done
done
if [ ${#missing_tr[@]} -eq 0 ]; then pass "translations"; else fail "translations: ${missing_tr[*]}"; fi
if dpkg-deb -f "$deb" Recommends | grep -q 'qt6-translations-l10n'; then
  pass "recommends Qt's translations"
else
  fail "recommends Qt's translations"
fi

# Hardening of every binary: full RELRO (relro + now), position-independent executables, stack
# protection and fortified functions where the binary calls such functions at all.
unhardened=()
for f in /usr/lib/videoconverter/VideoConverter /usr/lib/videoconverter/register.dat \
         /usr/lib/videoconverter/libEncoderMedia.so /usr/lib/videoconverter/libPreview.so; do
  [ -e "$f" ] || continue
  readelf -lW "$f" | grep -q GNU_RELRO || unhardened+=("$f: no RELRO")
  readelf -dW "$f" | grep -qE 'BIND_NOW|FLAGS_1.*NOW' || unhardened+=("$f: no BIND_NOW")
  if [[ $f != *.so ]]; then
    readelf -hW "$f" | grep -q 'Type:.*DYN' || unhardened+=("$f: not PIE")
  fi
  syms=$(readelf --dyn-syms -W "$f")
  grep -q '__stack_chk_fail' <<<"$syms" || unhardened+=("$f: no stack protector")
  if grep -qE ' (memcpy|memmove|memset|strcpy|strcat|sprintf|snprintf|vsnprintf|printf|fprintf|read)@' <<<"$syms"; then
    grep -qE '__[a-z]+_chk@' <<<"$syms" || unhardened+=("$f: not fortified")
  fi
done
if [ ${#unhardened[@]} -eq 0 ]; then pass "hardening"; else fail "hardening: ${unhardened[*]}"; fi

# The installed program starts through the launcher and finds its data through the links:
# it reports its first shown window and ends. On this first start in an empty home it makes
# its settings folder and leaves the update notice there (sent to a closed port: empty).
home=$(mktemp -d)
start_out=$(cd "$home" && env -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$home/config" \
  QT_QPA_PLATFORM=offscreen VC_EXIT_AFTER_SHOW=1 VC_UPDATE_HOST=127.0.0.1:1 \
  timeout 60 videoconverter 2>&1) || true
if grep -q '^startup_ms ' <<<"$start_out"; then
  pass "installed program starts"
else
  fail "installed program starts"
  echo "$start_out"
fi
if [ -f "$home/config/VideoConverter/download.ini" ] &&
   [ -f "$home/config/VideoConverter/started.marker" ]; then
  pass "first start in an empty home"
else
  fail "first start in an empty home: $(find "$home/config" 2>&1 | tr '\n' ' ')"
fi
rm -rf "$home"

echo "check-package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
