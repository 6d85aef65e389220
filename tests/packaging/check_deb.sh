#!/usr/bin/env bash
# Builds the Debian package from the build folder with cpack and checks its
# control fields, its file list and the unpacked tree.
# Usage: check_deb.sh BUILD_DIR SOURCE_DIR
source "$(dirname "$0")/common.sh"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A scratch output folder keeps the build folder free of package leftovers.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fail "cpack -G DEB"; }
# The package's version is the newest entry of its changelog: the project's
# version and the package revision.
deb_version=$(dpkg-parsechangelog -l "$source_dir/data/changelog.Debian" -S Version)
[ "${deb_version%-*}" = "$version" ] || fail "data/changelog.Debian is at $deb_version, the project at $version"
arch=$(dpkg --print-architecture)
deb=$tmp/out/veldra_${deb_version}_${arch}.deb
[ -f "$deb" ] || { ls "$tmp/out"; fail "no package veldra_${deb_version}_${arch}.deb"; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = veldra ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$deb_version" ] || fail "Version: $(field Version), the changelog says $deb_version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Maintainer)" = "Veldra contributors <veldra@example.org>" ] || fail "Maintainer: $(field Maintainer)"
[ "$(field Section)" = net ] || fail "Section: $(field Section)"
[ -n "$(field Description)" ] || fail "no Description"
[ "$(field Homepage)" = "$homepage" ] || fail "Homepage: $(field Homepage), the AppStream data says $homepage"
# Links open through xdg-open.
grep -qw xdg-utils <<<"$(field Recommends)" || fail "Recommends lacks xdg-utils: $(field Recommends)"
# Depends comes from dpkg-shlibdeps: Qt's widget library, curl and the C library
# at least; and the certificate authorities https verifies against.
depends=$(field Depends)
for lib in libc6 libqt6widgets6 libcurl4 ca-certificates; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
# Qt's network library (and Kerberos and libproxy with it) would be loaded on
# every start for nothing: transfers go through curl.
if grep -q "\blibqt6network6\b" <<<"$depends"; then
  fail "Depends lists libqt6network6: something links Qt Network again: $depends"
fi

# The file list: everything under /usr, nothing else.
listed=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sed 's|^\./usr/||' | sort)
if [ "$listed" != "$(expected_files)" ]; then
  diff <(expected_files) <(echo "$listed") >&2 || true
  fail "package file list differs (< expected, > in the package)"
fi
if dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' | grep -qv '^\./$'; then
  fail "package has files outside /usr"
fi

dpkg -x "$deb" "$tmp/root"
check_tree "$tmp/root/usr"
appstreamcli validate-tree --no-net "$tmp/root" >"$tmp/tree.log" 2>&1 || { cat "$tmp/tree.log"; fail "appstreamcli validate-tree"; }

# A package built here has no bug in Debian's tracker that its first upload
# could close; every other tag is a fault.
lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$deb" >"$tmp/lintian.log" 2>&1 ||
  { cat "$tmp/lintian.log"; fail "lintian"; }
echo "package $(basename "$deb") OK"
dpkg-deb -c "$deb"
