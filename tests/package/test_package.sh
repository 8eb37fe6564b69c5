#!/usr/bin/env bash
# Installs into a staging folder and checks what a distribution needs (desktop entry, AppStream
# metadata, icons, copyright file, changelog, manual page); builds the .deb, checks its control data
# and files and has lintian judge it; then, as root, installs it with apt, starts the installed app
# on a virtual X server, sees its window and removes the package again.
# The identity comes from CMake: APP_ID, _PACKAGE, _EXECUTABLE, _DISPLAY_NAME.
set -euo pipefail
build=$1
app_id=$APP_ID
package=$APP_PACKAGE
executable=$APP_EXECUTABLE
work=$(mktemp -d)
cleanup() {
    [[ -n "${app_pid:-}" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "${xvfb_pid:-}" ]] && kill "$xvfb_pid" 2>/dev/null || true
    [[ -n "${bus_pid:-}" ]] && kill "$bus_pid" 2>/dev/null || true
    if [[ "${installed_here:-0}" == 1 ]]; then
        apt-get remove -y -q "$package" >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

echo "== install into a staging folder"
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
stage=$work/stage/usr
for file in bin/$executable share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$app_id.svg share/doc/$package/copyright \
            share/doc/$package/changelog.Debian.gz share/man/man1/$executable.1.gz; do
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
deb=$(ls "$work"/deb/"$package"_*.deb)
control=$(dpkg-deb -f "$deb")
echo "$control"
grep -qx "Package: $package" <<<"$control" || fail "package name"
grep -q '^Version: ' <<<"$control" || fail "no version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6svg6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# Single instance goes through D-Bus: nothing may pull in Qt's network library.
grep -q libqt6network6 <<<"$depends" && fail "Depends has libqt6network6: $depends"
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/$executable ./usr/share/applications/$app_id.desktop \
            ./usr/share/metainfo/$app_id.metainfo.xml ./usr/share/icons/hicolor/256x256/apps/$app_id.png; do
    grep -qx "$file" <<<"$files" || fail "the package lacks $file"
done

echo "== lintian"
lintian_flags=(--fail-on error,warning --display-info)
[[ $(id -u) -eq 0 ]] && lintian_flags+=(--allow-root)
report=$(lintian "${lintian_flags[@]}" "$deb") || fail "lintian: errors or warnings
$report"
[[ -n "$report" ]] && echo "$report"
# lintian only informs about these, but a package built without the hardening flags is a fault.
grep -q hardening- <<<"$report" && fail "the binary is not hardened"

if [[ $(id -u) -ne 0 ]]; then
    echo "== not root: the package is checked but not installed"
    exit 0
fi
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    # A throwaway root (scripts/test-on) is the suite's own; any other machine is the user's.
    [[ -n "${THROWAWAY_ROOT:-}" ]] || fail "$package is already installed on this machine; not touching it"
    echo "== $package was left installed in this throwaway root: removing it first"
    apt-get purge -y -q "$package" >/dev/null
fi

echo "== install it with apt and start the installed app"
apt-get install -y -q --no-install-recommends "$deb" >/dev/null
installed_here=1
[[ -x /usr/bin/$executable ]] || fail "/usr/bin/$executable missing after install"
display=
for n in $(seq 90 120); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || { display=:$n; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.05; done
# A runtime folder and session bus of its own: an instance the user already runs would otherwise
# take the start over and show no new window.
mkdir -m 700 "$work/runtime"
{ read -r bus_address; read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" DBUS_SESSION_BUS_ADDRESS=$bus_address \
    DISPLAY=$display "/usr/bin/$executable" >/dev/null 2>&1 &
app_pid=$!
DISPLAY=$display timeout 15 xdotool search --sync --onlyvisible --name "^$APP_NAME\$" >/dev/null \
    || fail "the installed app showed no window"
echo "== the installed app shows its window"
echo "package checks passed"
