#!/usr/bin/env bash
# The Debian package as a user gets it, without root: packed from this build (not built again),
# unpacked, its desktop entry and metadata checked, and the unpacked program started offscreen
# from the entry's working directory, where a change of page must find and play the sound.
# Usage: package.sh BUILD_DIR PROBE_LIBRARY VERSION-RELEASE
set -euo pipefail
build=$1 probe=$2 version=$3
work=$(mktemp -d /tmp/ledgora-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "package: $*" >&2
  exit 1
}
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$work/out/ledgora_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); made: $(cd "$work/out" && ls ./*.deb)"

# Library dependencies from dpkg-shlibdeps, and the run-time packages named by hand.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6multimedia6 libcups2 fonts-wine fonts-liberation gstreamer1.0-plugins-good; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
    fail "Depends lacks $package: $depends"
done

# Debian's rules: no errors (the warnings left are listed in packaging/Package.cmake).
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log" >&2; fail "lintian found errors"; }

root=$work/root
dpkg-deb -x "$deb" "$root"
for program in ledgora ledgora-print; do
  [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is not in the package"
done
for size in 16 24 32 48 64 128 256; do
  [ -f "$root/usr/share/icons/hicolor/${size}x$size/apps/ledgora.png" ] || fail "no ${size}x$size icon"
done
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "the metainfo file does not validate"; }

entry=$root/usr/share/applications/ledgora.desktop
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
path=$(sed -n 's/^Path=//p' "$entry")
[[ "$path" == /* ]] || fail "the desktop entry's Path= is not an absolute folder: '$path'"
[ -f "$root$path/Snd/buton.wav" ] || fail "Path=$path holds no Snd/buton.wav"

# The unpacked program, started in FOLDER with the probe; prints what the probe saw.
run() {
  (cd "$1" && timeout 60 env LD_PRELOAD="$probe" "$root/usr/bin/ledgora") 2>"$work/stderr" ||
    { cat "$work/stderr" >&2; fail "ledgora failed in $1"; }
}
# Only what follows the click counts: the page change is the action that plays the sound.
after_click() { sed -n '/^click /,$p'; }

seen=$(run "$root$path" | after_click)
grep -q '^page ' <<<"$seen" || fail "the page did not change: $seen"
[ "$(grep '^sound ' <<<"$seen")" == "sound $root$path/Snd/buton.wav" ] ||
  fail "a page change started in Path= did not play its Snd/buton.wav: $seen"

# Elsewhere the same change is silent: the sound is looked up in the working directory.
seen=$(run "$work" | after_click)
grep -q '^page ' <<<"$seen" || fail "the page did not change: $seen"
! grep -q '^sound ' <<<"$seen" || fail "a page change away from Path= played a sound: $seen"
echo "package: $(basename "$deb") checked"
