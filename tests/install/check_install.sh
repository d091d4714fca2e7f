#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, validates what a desktop expects of it, and builds the
# Debian package. Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
[[ -n "$version" ]] || fail "no project version in $build/CMakeCache.txt"

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root="$stage/usr"
id=org.tessaroll.Tessaroll
for f in bin/tessaroll bin/tessaroll-cli "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/48x48/apps/$id.png" \
         share/man/man1/tessaroll.1 share/man/man1/tessaroll-cli.1 share/doc/tessaroll/help/index.html; do
  [[ -e "$root/$f" ]] || fail "not installed: $f"
done

desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop file"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"
for page in tessaroll tessaroll-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/share/man/man1/$page.1" 2>&1 >/dev/null)
  [[ -z "$warnings" ]] || fail "man page $page: $warnings"
done
"$root/bin/tessaroll-cli" --version | grep -q "tessaroll-cli" || fail "tessaroll-cli --version"
window_version=$(QT_QPA_PLATFORM=offscreen "$root/bin/tessaroll" --version) || fail "tessaroll --version exit"
[[ "$window_version" == "tessaroll $version" ]] || fail "tessaroll --version printed: $window_version"

(cd "$build" && cpack -G DEB >/dev/null) || fail "cpack"
deb=$(ls -t "$build"/tessaroll_*.deb | head -n 1)
info=$(dpkg-deb --info "$deb")
depends=$(grep "^ Depends:" <<<"$info")
# Every Qt and FFmpeg library the programs link must be named by its Debian package.
for lib in $(objdump -p "$root/bin/tessaroll" "$root/bin/tessaroll-cli" | awk '/NEEDED.*(libQt6|libav|libblkid)/ {print $2}' | sort -u); do
  pkg=$(dpkg -S "*/$lib" 2>/dev/null | head -n 1 | cut -d: -f1)
  [[ -z "$pkg" ]] || grep -q "$pkg" <<<"$depends" || fail "package does not depend on $pkg: $depends"
done
grep -q "libqt6widgets6" <<<"$depends" || fail "package dependencies: $depends"
echo "installed and packaged: $deb"
