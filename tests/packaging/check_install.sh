#!/usr/bin/env bash
# Installs the build into a per-user prefix and, through DESTDIR, into a system
# prefix, and checks both trees. Usage: check_install.sh BUILD_DIR SOURCE_DIR
source "$(dirname "$0")/common.sh"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Per-user, as in cmake --install build --prefix ~/.local
cmake --install "$build" --prefix "$tmp/home/.local" >"$tmp/user.log" || { cat "$tmp/user.log"; fail "per-user install"; }
check_tree "$tmp/home/.local"

# System-wide into a staging root, as a distribution package build does.
DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >"$tmp/system.log" || { cat "$tmp/system.log"; fail "DESTDIR install"; }
[ -z "$(find "$tmp/root" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "DESTDIR install wrote outside usr/"
check_tree "$tmp/root/usr"

# Installing again over an existing tree (an update) must work too.
cmake --install "$build" --prefix "$tmp/home/.local" >"$tmp/again.log" || { cat "$tmp/again.log"; fail "second install"; }
check_tree "$tmp/home/.local"

# The AppStream data and the desktop entry belong together.
appstreamcli validate-tree --no-net "$tmp/root" >"$tmp/tree.log" 2>&1 || { cat "$tmp/tree.log"; fail "appstreamcli validate-tree"; }
echo "install trees OK"
