#!/usr/bin/env bash
# Installs into a staging folder and checks what a distribution needs (desktop entry, AppStream
# metadata, icons, licence); builds the .deb and checks its control data and files; then, as root,
# installs it with apt, starts the installed app on a virtual X server, sees its window and
# removes the package again.
set -euo pipefail
build=$1
app_id=com.vestrandi.Pillowrock
work=$(mktemp -d)
cleanup() {
    [[ -n "${app_pid:-}" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "${xvfb_pid:-}" ]] && kill "$xvfb_pid" 2>/dev/null || true
    if [[ "${installed_here:-0}" == 1 ]]; then
        apt-get remove -y -q pillowrock >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

echo "== install into a staging folder"
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
stage=$work/stage/usr
for file in bin/pillowrock share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$app_id.svg share/doc/pillowrock/LICENSE; do
    [[ -f "$stage/$file" ]] || fail "missing $file"
done
for size in 16 24 32 48 64 128 256 512; do
    [[ -f "$stage/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ]] || fail "missing ${size}px icon"
done
desktop-file-validate "$stage/share/applications/$app_id.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net --explain "$stage/share/metainfo/$app_id.metainfo.xml" \
    || fail "metainfo does not validate"

echo "== build the .deb"
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/pillowrock_*.deb)
control=$(dpkg-deb -f "$deb")
echo "$control"
grep -q '^Package: pillowrock$' <<<"$control" || fail "package name"
grep -q '^Version: ' <<<"$control" || fail "no version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6svg6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/pillowrock ./usr/share/applications/$app_id.desktop \
            ./usr/share/metainfo/$app_id.metainfo.xml ./usr/share/icons/hicolor/256x256/apps/$app_id.png; do
    grep -qx "$file" <<<"$files" || fail "the package lacks $file"
done

if [[ $(id -u) -ne 0 ]]; then
    echo "== not root: the package is checked but not installed"
    exit 0
fi
if dpkg-query -W -f='${Status}' pillowrock 2>/dev/null | grep -q 'install ok installed'; then
    fail "pillowrock is already installed on this machine; not touching it"
fi

echo "== install it with apt and start the installed app"
apt-get install -y -q --no-install-recommends "$deb" >/dev/null
installed_here=1
[[ -x /usr/bin/pillowrock ]] || fail "/usr/bin/pillowrock missing after install"
display=
for n in $(seq 90 120); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || { display=:$n; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.05; done
XDG_CONFIG_HOME="$work/config" DISPLAY=$display /usr/bin/pillowrock >/dev/null 2>&1 &
app_pid=$!
DISPLAY=$display timeout 15 xdotool search --sync --onlyvisible --name '^Pillowrock$' >/dev/null \
    || fail "the installed app showed no window"
echo "== the installed app shows its window"
echo "package checks passed"
