#!/usr/bin/env bash
# Installs a built .deb into a fresh folder (dpkg -x) and checks it as an
# installed program: the files a desktop needs are there, the binaries do not
# point into a build tree, and the installed program starts (under Xvfb, as
# on a desktop) with its window, its translations and its icon, whatever the
# build tree holds. Usage: check-package.sh [PACKAGE.deb] (by default the
# package that scripts/package built).
set -euo pipefail

DEB="${1:-$(ls "$(dirname "${BASH_SOURCE[0]}")"/../../build/package/*.deb 2>/dev/null | head -n 1)}"
if [ -z "$DEB" ] || [ ! -f "$DEB" ]; then
  echo "no package to check (build one with scripts/package)"
  exit 77
fi

WORK="$(mktemp -d)"
XVFB_PID=""
APP_PID=""
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

ROOT="$WORK/root"
dpkg -x "$DEB" "$ROOT"
APP_ID=io.korvel.SerialAssistant
BIN="$ROOT/usr/bin/KorvelSerialAssistant"

# The files of a desktop application.
for f in usr/bin/KorvelSerialAssistant usr/bin/korvel-devsim \
         usr/share/applications/$APP_ID.desktop \
         usr/share/metainfo/$APP_ID.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$APP_ID.svg \
         usr/share/man/man1/KorvelSerialAssistant.1.gz \
         usr/share/man/man1/korvel-devsim.1.gz \
         usr/share/doc/korvel-serial-assistant/copyright; do
  [ -e "$ROOT/$f" ] || fail "missing $f"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
  [ -f "$png" ] || fail "missing icon $png"
  file "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not ${size}x${size}"
done
desktop-file-validate "$ROOT/usr/share/applications/$APP_ID.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml" >/dev/null ||
  fail "AppStream metadata"

# Nothing of the build tree: no run path, no source or build folder inside.
if readelf -d "$BIN" | grep -Eq 'RPATH|RUNPATH'; then
  fail "the program carries a run path: $(readelf -d "$BIN" | grep -E 'RPATH|RUNPATH')"
fi

NUM=120
while [ -e "/tmp/.X11-unix/X$NUM" ] || [ -e "/tmp/.X$NUM-lock" ]; do NUM=$((NUM + 1)); done
Xvfb ":$NUM" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$NUM" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$NUM" ] || fail "Xvfb did not start"

# Starts the installed program with settings of its own in the given
# language, waits for its window and prints the window's title.
run_in_language() {
  local lang="$1"
  local home="$WORK/home-$lang"
  mkdir -p "$home/.config/Korvel"
  printf '[app]\nlanguage=%s\n' "$lang" >"$home/.config/Korvel/KorvelSerialAssistant.conf"
  env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_RUNTIME_DIR="$WORK" DISPLAY=":$NUM" QT_QPA_PLATFORM=xcb \
    "$BIN" >"$WORK/out-$lang.txt" 2>&1 &
  APP_PID=$!
  local title=""
  for _ in $(seq 1 100); do
    kill -0 "$APP_PID" 2>/dev/null || fail "the installed program ended: $(cat "$WORK/out-$lang.txt")"
    title="$(xwininfo -display ":$NUM" -root -tree 2>/dev/null |
             sed -n 's/^ *0x[0-9a-f]* "\([^"]*\)".*KorvelSerialAssistant.*/\1/p' | head -n 1)"
    [ -n "$title" ] && break
    sleep 0.1
  done
  [ -n "$title" ] || fail "no window of the installed program ($lang)"
  local window
  window="$(xwininfo -display ":$NUM" -name "$title" | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p')"
  # The window icon comes from the program's own resources.
  xprop -display ":$NUM" -id "$window" _NET_WM_ICON | grep -q "_NET_WM_ICON(CARDINAL) = " ||
    fail "the window has no icon ($lang)"
  sleep 2
  kill -0 "$APP_PID" 2>/dev/null || fail "the installed program ended: $(cat "$WORK/out-$lang.txt")"
  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=""
  # The QML module and its documents load without a complaint.
  if grep -Eiq 'qml|module .* is not installed|cannot assign|ReferenceError|TypeError' "$WORK/out-$lang.txt"; then
    fail "QML messages ($lang): $(cat "$WORK/out-$lang.txt")"
  fi
  echo "$title"
}

english="$(run_in_language en)"
french="$(run_in_language fr)"
echo "window title, en: $english"
echo "window title, fr: $french"
[ "$english" = "Korvel Serial Assistant" ] || fail "unexpected English title"
[ "$french" != "$english" ] || fail "the French catalogue was not found: the title stayed English"
echo "package checked: $(basename "$DEB")"
