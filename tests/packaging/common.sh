# Shared by the packaging checks: what an installed Veldra consists of.
set -euo pipefail

build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
app_id=io.github.veldra.Veldra

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cache_value() {
  sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"
}

libdir=$(cache_value CMAKE_INSTALL_LIBDIR)
bindir=$(cache_value CMAKE_INSTALL_BINDIR)
datadir=$(cache_value CMAKE_INSTALL_DATAROOTDIR)
[ -n "$libdir" ] && [ -n "$bindir" ] && [ -n "$datadir" ] || fail "no install directories in $build/CMakeCache.txt"
mandir=$(cache_value CMAKE_INSTALL_MANDIR)
[ -n "$mandir" ] || mandir=$datadir/man
version=$(cache_value CMAKE_PROJECT_VERSION)
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"

# The AppStream data is the reference for the home page and the licence.
metainfo() {
  python3 - "$source_dir/data/$app_id.metainfo.xml" "$1" <<'EOF'
import sys
import xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
print({"homepage": lambda: root.find("url[@type='homepage']").text,
       "license": lambda: root.find("project_license").text,
       "release": lambda: root.find("releases/release").get("version")}[sys.argv[2]]().strip())
EOF
}
homepage=$(metainfo homepage)

# Every file and link of an install, relative to its prefix, sorted.
expected_files() {
  {
    echo "$bindir/veldra"
    echo "$libdir/veldra/veldra"
    echo "$libdir/veldra/hand.cur"
    echo "$datadir/applications/$app_id.desktop"
    echo "$datadir/metainfo/$app_id.metainfo.xml"
    echo "$datadir/doc/veldra/copyright"
    echo "$datadir/doc/veldra/changelog.Debian.gz"
    echo "$mandir/man1/veldra.1.gz"
    echo "$datadir/icons/hicolor/scalable/apps/$app_id.svg"
    for size in 16 24 32 48 64 128 256; do
      echo "$datadir/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
  } | sort
}

# Checks an installed tree under prefix $1 (as the files lie on disk).
check_tree() {
  local prefix=$1
  local actual
  actual=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
  if [ "$actual" != "$(expected_files)" ]; then
    diff <(expected_files) <(echo "$actual") >&2 || true
    fail "installed files under $prefix differ from the expected list (< expected, > installed)"
  fi

  local link=$prefix/$bindir/veldra
  [ -L "$link" ] || fail "$bindir/veldra is not a symbolic link"
  case $(readlink "$link") in
    /*) fail "$bindir/veldra points to an absolute path: $(readlink "$link")" ;;
  esac
  [ "$(readlink -f "$link")" = "$(readlink -f "$prefix/$libdir/veldra/veldra")" ] ||
    fail "$bindir/veldra does not lead to the program directory"
  [ -x "$prefix/$libdir/veldra/veldra" ] || fail "the program is not executable"
  cmp -s "$prefix/$libdir/veldra/hand.cur" "$source_dir/resources/hand.cur" ||
    fail "hand.cur differs from resources/hand.cur"

  # Qt comes from the system: no run path, and every library resolves.
  if readelf -d "$prefix/$libdir/veldra/veldra" | grep -Eq 'RPATH|RUNPATH'; then
    fail "the installed program carries a run path"
  fi
  if ldd "$prefix/$libdir/veldra/veldra" | grep -q 'not found'; then
    ldd "$prefix/$libdir/veldra/veldra" >&2
    fail "the installed program misses libraries"
  fi

  local size png
  for size in 16 24 32 48 64 128 256; do
    png=$prefix/$datadir/icons/hicolor/${size}x${size}/apps/$app_id.png
    file "$png" | grep -q "PNG image data, $size x $size," || fail "not a ${size}x${size} PNG: $(file "$png")"
  done

  check_man_page "$prefix/$mandir/man1/veldra.1.gz"
  check_changelog "$prefix/$datadir/doc/veldra/changelog.Debian.gz"
  check_about "$prefix/$libdir/veldra/veldra"

  desktop-file-validate "$prefix/$datadir/applications/$app_id.desktop" ||
    fail "installed desktop entry does not validate"
  grep -qx "Icon=$app_id" "$prefix/$datadir/applications/$app_id.desktop" || fail "desktop entry names another icon"
}

# A file compressed the way Debian wants it: gzip -9n of its source, so with
# neither file name nor time stamp, and up to date with the source.
check_gzip() {
  local gz=$1 source=$2
  gzip -t "$gz" || fail "$gz: not a valid gzip file"
  cmp -s "$gz" <(gzip -9n <"$source") || fail "$gz: not gzip -9n of $source (stale, or made with name or time)"
}

# The manual page: in step with the source and the version, renders without a
# warning, and names the home page and the licence.
check_man_page() {
  local page=$1 warnings text
  check_gzip "$page" "$source_dir/docs/veldra.1"
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man page warnings: $warnings"
  zcat "$page" | grep -q "^\.TH VELDRA 1 [^ ]* \"Veldra $version\"" || fail "man page is not for version $version"
  zcat "$page" | grep -q '^veldra \\- ' || fail 'man page has no NAME line "veldra \- ..."'
  text=$(MANWIDTH=200 man -l "$page" 2>/dev/null)
  grep -qF "$homepage" <<<"$text" || fail "man page does not name the home page $homepage"
  grep -q 'MIT licence' <<<"$text" || fail "man page does not name the MIT licence"
}

# The package's changelog: its newest entry is this version.
check_changelog() {
  local changelog=$1 top
  check_gzip "$changelog" "$source_dir/data/changelog.Debian"
  top=$(zcat "$changelog" | dpkg-parsechangelog -l - -S Version) || fail "changelog does not parse"
  [ "${top%-*}" = "$version" ] || fail "changelog's newest entry is $top, the project is $version"
}

# What the program says about itself agrees with LICENSE and the AppStream data.
check_about() {
  local program=$1 about holder
  [ "$(head -n1 "$source_dir/LICENSE")" = "MIT License" ] || fail "LICENSE is not the MIT licence"
  [ "$(metainfo license)" = MIT ] || fail "AppStream project_license is $(metainfo license), LICENSE is MIT"
  [ "$(metainfo release)" = "$version" ] ||
    fail "AppStream's newest release is $(metainfo release), the project is $version"
  # The about box's lines are source texts of its translations in the
  # program (8-bit), or UTF-16 where a text is built in the program.
  about=$({ strings -a "$program"; strings -el "$program"; })
  holder=$(sed -n 's/^Copyright (c) //p' "$source_dir/LICENSE")
  grep -qxF "Copyright (C) $holder. Free software under the MIT licence." <<<"$about" ||
    fail "the about box's rights line does not name \"$holder\" and the MIT licence"
  if grep -q 'All rights reserved' <<<"$about"; then fail 'the about box still says "All rights reserved"'; fi
  { grep -qxF "Read the Community News for what is new, or visit %1" <<<"$about" &&
    grep -qxF "$homepage" <<<"$about"; } ||
    fail "the about box does not send users to $homepage"
  grep -qxF "Comments are welcome by e-mail to the authors: veldra@example.org" <<<"$about" ||
    fail "the about box names another e-mail address than the package's"
}
