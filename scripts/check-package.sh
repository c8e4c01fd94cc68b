#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a clean folder with dpkg -x and
# checks it: the program's folder holds the same files as build/bin/ (the same
# bytes, save the executables, whose run path install rewrites), the launchers,
# desktop entry, icon and udev rule are there, the package depends on the
# run-time libraries, and the installed program runs a whole test under Xvfb.
#   scripts/check-package.sh [build-dir]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${1:-$here/build}"

"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" "$build_dir"
rm -f "$build_dir"/mouse-quality-test_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb="$(ls "$build_dir"/mouse-quality-test_*.deb)"
echo "package: $deb"

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
installed="$root/usr/lib/mouse-quality-test"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

list() { (cd "$1" && find . -type f -o -type l | sort); }
if ! diff <(list "$build_dir/bin") <(list "$installed") >"$root.diff"; then
  fail "the installed program folder differs from build/bin (< build, > package):"
  cat "$root.diff" >&2
fi
rm -f "$root.diff"
while read -r f; do
  [ -f "$installed/$f" ] || continue
  file -b "$build_dir/bin/$f" | grep -q '^ELF' && continue
  cmp -s "$build_dir/bin/$f" "$installed/$f" || fail "$f differs from build/bin"
done < <(list "$build_dir/bin")

for program in mouse-quality-test mouse-quality-analyze; do
  [ "$(readlink -f "$root/usr/bin/$program")" = "$(readlink -f "$installed/$program")" ] ||
    fail "usr/bin/$program does not lead to the installed program"
done
for f in usr/share/applications/mouse-quality-test.desktop \
         usr/share/icons/hicolor/scalable/apps/mouse-quality-test.svg \
         usr/lib/udev/rules.d/70-mouse-quality-test.rules; do
  [ -s "$root/$f" ] || fail "$f is missing"
done

depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libevdev2 libudev1 qt6-qpa-plugins; do
  grep -q "\b$lib\b" <<<"$depends" || fail "the package does not depend on $lib"
done

# The analyser through its launcher, then the station through its own.
"$root/usr/bin/mouse-quality-analyze" --help >/dev/null || fail "mouse-quality-analyze --help failed"
smoke=0
"$here/tests/smoke/station_smoke.sh" "$root/usr/bin/mouse-quality-test" || smoke=$?
case "$smoke" in
  0) ;;
  77) echo "the installed station ran a test but showed no score" ;;
  *) fail "the installed station did not run a test" ;;
esac

if [ "$failures" -ne 0 ]; then
  echo "package check: $failures failures" >&2
  exit 1
fi
echo "package check: the unpacked package matches build/bin and the installed station runs"
