#!/usr/bin/env bash
# Builds the Debian package from a built tree, unpacks it into a scratch root
# and checks what a user gets: a package lintian accepts, a hardened program
# that starts without complaint, a valid desktop entry whose command and icon
# are in the package, valid AppStream metainfo, the icon in every size, and
# dependencies on the runtime packages it needs.
#   package_test.sh <build folder> <application id> <icon size>...
set -euo pipefail

build=$1
app_id=$2
shift 2
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || { echo "usage: package_test.sh <build folder> <application id> <icon size>..."; exit 2; }
work=$(mktemp -d)
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one .deb, got: ${debs[*]}"; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"

root=$work/root
dpkg-deb -x "$deb" "$root"

# Debian's own package checks: no error or warning, and none of the hardening
# hints it gives as info (relro, bind now, position independence, libc calls
# left unfortified).
lintian_log=$(lintian --display-info "$deb" 2>&1) || fail "lintian failed"
grep -v 'running with root privileges' <<<"$lintian_log" || true
! grep -q -e '^[EW]: ' -e '^I: .* hardening-' <<<"$lintian_log" || fail "lintian finds faults in the package"

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = varo91 ] || fail "package name is '$(field Package)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture is '$(field Architecture)'"
for name in Version Maintainer Section Description; do
  [ -n "$(field "$name")" ] || fail "control field $name is empty"
done
depends=$(field Depends)
echo "depends: $depends"
# The names in Depends, one a line, without versions; alternatives each on a line.
depends_names=$(tr ',|' '\n\n' <<<"$depends" | sed -e 's/(.*)//' -e 's/:any//' -e 's/[[:space:]]//g' | grep -v '^$' || true)
for needed in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 fonts-thai-tlwg; do
  grep -qx "$needed" <<<"$depends_names" || fail "Depends does not name $needed"
done
# Every dependency is a real package: this machine runs the program, so it has them all.
while read -r name; do
  dpkg-query -W -f='${Status}\n' "$name" 2>/dev/null | grep -q 'install ok installed' \
    || fail "Depends names $name, which is not an installed package"
done <<<"$depends_names"

# The desktop entry.
entry=$root/usr/share/applications/$app_id.desktop
if [ ! -f "$entry" ]; then
  fail "no desktop entry at /usr/share/applications/$app_id.desktop"
else
  validation=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate rejects the entry"
  [ -z "$validation" ] || fail "desktop-file-validate complains: $validation"
  key() { sed -n "s/^$1=//p" "$entry"; }
  [ -x "$root/usr/bin/$(key Exec)" ] || fail "Exec=$(key Exec) is not a program of the package"
  [ "$(key Icon)" = varo91 ] || fail "Icon=$(key Icon) is not the package's icon"
  for name in 'Name\[th\]' 'Comment\[th\]' Name Comment; do
    [ -n "$(key "$name")" ] || fail "the entry has no $name"
  done
  grep -qx 'Categories=Office;Finance;' "$entry" || fail "the entry is not in Office;Finance;"
fi

# The software centres' metainfo, named by the application's id: valid alone,
# and in the unpacked tree, where its launcher must be the package's entry.
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
if [ ! -f "$metainfo" ]; then
  fail "no metainfo at /usr/share/metainfo/$app_id.metainfo.xml"
else
  appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects the metainfo"
  appstreamcli validate-tree --no-net "$root" || fail "appstreamcli rejects the installed tree"
fi

# The package's changelog, metainfo and the package itself give one version.
version=$(field Version)
changelog_version=$(dpkg-parsechangelog -l "$root/usr/share/doc/varo91/changelog.Debian.gz" -S Version 2>/dev/null || true)
[ "$changelog_version" = "$version" ] || fail "changelog.Debian.gz is for '$changelog_version', the package is $version"
grep -q "<release version=\"${version%-*}\"" "$metainfo" 2>/dev/null \
  || fail "the metainfo has no release ${version%-*}"

# The icon: a PNG of the right size in every size of the hicolor theme.
for size in "${sizes[@]}"; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/varo91.png
  if [ ! -f "$icon" ]; then
    fail "no ${size}x${size} icon"
    continue
  fi
  # The PNG signature, then the IHDR chunk with width and height (4 bytes each).
  read -r -a bytes <<<"$(od -An -tu1 -N24 "$icon" | tr '\n' ' ')"
  if [ ${#bytes[@]} -ne 24 ]; then
    fail "the ${size}x${size} icon is too short for a PNG"
    continue
  fi
  signature="${bytes[*]:0:8}"
  width=$(( (bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19] ))
  height=$(( (bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23] ))
  [ "$signature" = "137 80 78 71 13 10 26 10" ] || fail "the ${size}x${size} icon is not a PNG"
  [ "$width" = "$size" ] && [ "$height" = "$size" ] \
    || fail "the ${size}x${size} icon is ${width}x${height}"
done

# The program: it starts on the offscreen platform, stays up and says nothing.
program=$root/usr/bin/varo91
if [ ! -x "$program" ]; then
  fail "no program at /usr/bin/varo91"
else
  # Hardened as Debian's own programs: relocations bound at start-up and a
  # stack protector (lintian checks the rest).
  grep -q 'BIND_NOW' <<<"$(readelf -d "$program")" || fail "the program is not linked with -z now"
  grep -q ' UND __stack_chk_fail@' <<<"$(readelf --dyn-syms -W "$program")" \
    || fail "the program has no stack protector"
  mkdir -m 700 "$work/runtime"
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime HOME=$work \
    "$program" >"$work/program.log" 2>&1 &
  program_pid=$!
  sleep 2
  if kill -0 "$program_pid" 2>/dev/null; then
    kill -TERM "$program_pid"
    wait "$program_pid" || true
  else
    status=0
    wait "$program_pid" || status=$?
    fail "the program ended within 2 s with status $status"
  fi
  program_pid=
  if [ -s "$work/program.log" ]; then
    fail "the program printed:"
    cat "$work/program.log"
  fi
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all package checks passed"
