#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree: every file in place, the desktop
# entry, MIME package and AppStream data accepted by the desktop's own tools, and the installed
# tremora-cli finding its station tables from a folder without DATA/.
# Exit 77 (skipped) when a validator is missing and nothing else failed.
set -uo pipefail
build=$(cd "$1" && pwd)
samples=$(cd "$2" && pwd)
prefix=$(mktemp -d)
elsewhere=$(mktemp -d)
trap 'rm -rf "$prefix" "$elsewhere"' EXIT

failures=()
missing_tools=()
fail() { failures+=("$1"); }

cmake --install "$build" --prefix "$prefix" > /dev/null || { echo "cmake --install failed"; exit 1; }

expected=(bin/tremora-cli share/tremora/DATA/SITENAME.CSV share/tremora/DATA/SHOBONAME.CSV
          share/applications/tremora.desktop share/icons/hicolor/scalable/apps/tremora.svg
          share/mime/packages/tremora.xml share/metainfo/io.github.tremora.Tremora.metainfo.xml
          share/man/man1/tremora-cli.1)
[ -x "$build/src/app/tremora" ] && expected+=(bin/tremora)
for f in "${expected[@]}"; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done

if command -v desktop-file-validate > /dev/null; then
  out=$(desktop-file-validate "$prefix/share/applications/tremora.desktop" 2>&1) || fail "desktop entry: $out"
  [ -z "$out" ] || fail "desktop entry: $out"
else
  missing_tools+=(desktop-file-validate)
fi

if command -v update-mime-database > /dev/null; then
  # With the prefix in the search path the tool says nothing unless the package is wrong.
  out=$(XDG_DATA_DIRS="$prefix/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" \
        update-mime-database "$prefix/share/mime" 2>&1) || fail "MIME package: $out"
  [ -z "$out" ] || fail "MIME package: $out"
  for ext in NS EW UD NS1 EW1 UD1 NS2 EW2 UD2; do
    lower=$(echo "$ext" | tr 'A-Z' 'a-z')
    grep -q "application/x-knet-record:\*\.$lower\$" "$prefix/share/mime/globs2" 2>/dev/null ||
      fail "MIME package: no glob *.$lower"
  done
  # Globs match either case unless marked case-sensitive.
  ! grep -q "x-knet-record.*:cs" "$prefix/share/mime/globs2" || fail "MIME package: case-sensitive globs"
else
  missing_tools+=(update-mime-database)
fi

if command -v appstreamcli > /dev/null; then
  out=$(appstreamcli validate --no-net "$prefix/share/metainfo/io.github.tremora.Tremora.metainfo.xml" 2>&1) ||
    fail "AppStream metadata: $out"
else
  missing_tools+=(appstreamcli)
fi

info=$(cd "$elsewhere" && "$prefix/bin/tremora-cli" info "$samples/AOM0011801241951.NS" 2>&1) ||
  fail "installed tremora-cli info: $info"
grep -q "大間" <<< "$info" || fail "installed tremora-cli did not find its station tables: $info"
if [ -x "$prefix/bin/tremora" ]; then
  help=$(cd "$elsewhere" && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/tremora" --help 2>&1) ||
    fail "tremora --help without a display: $help"
fi

if [ ${#failures[@]} -gt 0 ]; then
  printf '%s\n' "${failures[@]}"
  exit 1
fi
if [ ${#missing_tools[@]} -gt 0 ]; then
  echo "skipped: not installed: ${missing_tools[*]} (scripts/setup installs them)"
  exit 77
fi
echo "install tree of $prefix checked"
