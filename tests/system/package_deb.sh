#!/usr/bin/env bash
# The Debian package: built, unpacked into a scratch root, and its
# usr/bin/quillet run headless as a user with a home of its own: settings in
# the XDG config folder, the shipped channel table and messages found.
set -u
build=$1
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
pid=
fail() { echo "FAIL: $*"; cat "$work/err" 2>/dev/null | tail -20; echo "0 passed, 1 failed"; exit 1; }

(cd "$build" && cpack --config CPackConfig.cmake -B "$work/out" >/dev/null) || fail "cpack"
deb=$(ls "$work"/out/quillet_*.deb) || fail "no package"
dpkg-deb -x "$deb" "$work/root" || fail "unpack"
for f in usr/bin/quillet usr/share/quillet/channels.ini usr/share/quillet/example/mayday.wav \
         usr/share/applications/org.dscquillet.Quillet.desktop usr/share/metainfo/org.dscquillet.Quillet.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/org.dscquillet.Quillet.svg \
         usr/share/icons/hicolor/48x48/apps/org.dscquillet.Quillet.png usr/share/man/man1/quillet.1.gz; do
  [ -e "$work/root/$f" ] || fail "missing $f"
done

quillet=$work/root/usr/bin/quillet
version=$("$quillet" --version) || fail "--version"
expected=$(dpkg-deb -f "$deb" Version)
[ "$version" = "quillet $expected" ] || fail "--version says '$version', the package $expected"
"$quillet" --no-such-option 2>/dev/null; [ $? -eq 2 ] || fail "an unknown option does not exit with 2"

# A trainee's very first start, ended by a logout while it says that there
# are no settings yet: it ends at once, cleanly.
export HOME=$work/home
unset XDG_CONFIG_HOME XDG_DATA_HOME
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="quillet.ui.debug=true" XDG_RUNTIME_DIR=$work \
  PULSE_SERVER=unix:/nonexistent "$quillet" 2> "$work/err" &
pid=$!
for _ in $(seq 100); do
  grep -q "File quillet.ini not found" "$work/err" && break
  sleep 0.1
done
grep -q "File quillet.ini not found" "$work/err" || fail "the first start did not say that there are no settings"
kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "a logout during the first message did not end the station"
wait "$pid" || fail "the station did not end cleanly during its first message"
pid=

# Then with settings made by Setup.
mkdir -p "$HOME/.config/quillet"
printf '[radio]\nmmsi=211000009\n' > "$HOME/.config/quillet/quillet.ini"
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="quillet.ui.debug=true" XDG_RUNTIME_DIR=$work \
  PULSE_SERVER=unix:/nonexistent "$quillet" 2> "$work/err" &
pid=$!
for _ in $(seq 100); do
  [ "$(ls "$HOME/.local/share/quillet/example" 2>/dev/null | wc -l)" -eq 4 ] && break
  sleep 0.1
done
[ "$(ls "$HOME/.local/share/quillet/example" | wc -l)" -eq 4 ] || fail "the shipped messages were not copied"
sleep 0.5 # the window shows itself
kill -TERM "$pid"
wait "$pid" || fail "quillet did not end cleanly on SIGTERM"
pid=
grep -q "message:" "$work/err" && fail "the start told the user something: $(grep message: "$work/err")"
grep -q "^mmsi=211000009" "$HOME/.config/quillet/quillet.ini" || fail "the settings were replaced"
grep -q "^Form1.left=" "$HOME/.config/quillet/quillet.ini" || fail "the window's close did not save to the XDG folder"
[ ! -e "$work/root/usr/bin/quillet.ini" ] || fail "settings written beside the program"
echo "1 passed, 0 failed"
