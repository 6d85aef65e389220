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

# Every file and link of an install, relative to its prefix, sorted.
expected_files() {
  {
    echo "$bindir/veldra"
    echo "$libdir/veldra/veldra"
    echo "$libdir/veldra/hand.cur"
    echo "$datadir/applications/$app_id.desktop"
    echo "$datadir/metainfo/$app_id.metainfo.xml"
    echo "$datadir/doc/veldra/copyright"
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

  desktop-file-validate "$prefix/$datadir/applications/$app_id.desktop" ||
    fail "installed desktop entry does not validate"
  grep -qx "Icon=$app_id" "$prefix/$datadir/applications/$app_id.desktop" || fail "desktop entry names another icon"
}
