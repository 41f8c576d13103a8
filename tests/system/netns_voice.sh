#!/usr/bin/env bash
# Push-to-talk between stations through real sound devices: three stations,
# each in a network namespace of its own on one bridge, share the private
# sound server of scripts/test (the microphone hears a 1000 Hz tone; each
# station plays to a loudspeaker of its own, whose monitor is recorded).
# A talks on channel 16 for two seconds: B on channel 16 hears the tone,
# C on channel 72 hears nothing, and A hears nothing while it talks.
set -u
probe=$1
. "$(dirname "$0")/../common/netns.sh"
netns_require
if [ -z "${PULSE_SERVER:-}" ] || ! command -v parecord >/dev/null; then
  echo "SKIP: no sound server (scripts/test starts one)"; exit 77
fi
work=$(mktemp -d)
. "$(dirname "$0")/../common/probe_stations.sh"
trap stations_cleanup EXIT
netns_up qvox 10.232.0 a b c

station() { # name mmsi loudspeaker-index (1: speaker_a, 2: speaker_b, 3: speaker_c)
  mkdir -p "$work/$1"
  cp "$(dirname "$0")/../../resources/channels.ini" "$work/$1/"
  mkdir -p "$work/$1/example"
  printf '[radio]\nmmsi=%s\nmode=1\n[waveAudio]\nwave.in.deviceIdIndex=0\nwave.out.deviceIdIndex=%s\n' "$2" "$3" \
    > "$work/$1/quillet.ini"
}
station a 274111001 1
station b 211000002 2
station c 233000003 3

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$work
for s in a b c; do
  parecord --device="speaker_$s.monitor" --raw --format=s16le --rate=16000 --channels=1 "$work/$s.raw" &
  rec="${rec:-} $!"
done
run b after:3500
run c channel:40 after:3500
run a after:500 ptt-down after:2000 ptt-up after:300
wait $pids
pids=
kill $rec 2>/dev/null; wait $rec 2>/dev/null

status=0
check() { # station expect-tone
  local m; m=$("$probe" --measure "$work/$1.raw" 1000)
  echo "station $1: $m"
  case "$2:$m" in
    yes:*tone=1*) ;;
    no:*tone=0*) [ "$(echo "$m" | sed 's/.*level=\([0-9]*\).*/\1/')" -lt 50 ] || status=1 ;;
    *) status=1 ;;
  esac
}
check b yes
check c no
check a no
[ $status -eq 0 ] && echo "1 passed, 0 failed" || { echo "0 passed, 1 failed"; cat "$work"/*.err; }
exit $status
