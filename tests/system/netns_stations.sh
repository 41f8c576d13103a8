#!/usr/bin/env bash
# Three stations in network mode, each in a network namespace of its own,
# joined by a bridge in a fourth. Nothing here touches the machine's own
# interfaces: the broadcasts stay on the test's bridge.
# A calls B with a routine call; C answers the traffic with a distress alert.
# Every station, the sender included, logs each call once, with the markers
# and alarms that fit it. Then A and B run a whole call-and-answer exchange.
set -u
probe=$1
. "$(dirname "$0")/../common/netns.sh"
netns_require
work=$(mktemp -d)
. "$(dirname "$0")/../common/probe_stations.sh"
trap stations_cleanup EXIT
netns_up qdsc 10.231.0 a b c

station() { # name mmsi
  mkdir -p "$work/$1"
  cp "$(dirname "$0")/../../resources/channels.ini" "$work/$1/"
  mkdir -p "$work/$1/example"
  printf '[radio]\nmmsi=%s\ngroup=0%s\nmode=1\ndistressed=269070001\n[gps_setup]\nutc=1\n' "$2" "${2:0:8}" \
    > "$work/$1/quillet.ini"
}
station a 274111001
station b 211000002
station c 233000003

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$work
PROBE_FLAGS="--clock 11:42 --fixed-draws"
compare() { # name expected
  if [ "$(cat "$work/$1.out")" != "$2" ]; then
    echo "station $1 logged:"; cat "$work/$1.out"; cat "$work/$1.err"
    echo "expected:"; echo "$2"
    status=1
  else
    echo "station $1: ok"
  fi
}
status=0

# Part one: three stations.
run b wait:2 print
run c wait:1 distress:2 wait:2 print
run a routine:211000002:1 wait:2 print
wait $pids
pids=

routine='ROW 274111001|211000002|INDIVIDUAL|ROUTINE|TELEPHONY|-|-|-|-|06'
distress='ROW 269070001|-|DISTRESS|-|-|FLOODING|41°07.512 N|009°33.048 E|10:42|16|right arrow, #ff0000 on #c0c0c0'
expect_a="$routine|left arrow, #00ff00 on #008000
$distress
ALARMS distress=1 routine=0 request=0 report=0"
expect_b="$routine|right arrow, #00ff00 on #008000
$distress
ALARMS distress=1 routine=1 request=0 report=0"
expect_c="$routine|no marker
$distress
ALARMS distress=1 routine=0 request=0 report=0"

for n in a b c; do
  expected_var="expect_$n"
  compare "$n" "${!expected_var}"
done

# Part two: A calls B proposing 72, B answers unable on 09; A sends a
# distress alert, B acknowledges it.
run b wait:1 ack:1:spb_RoutineACK:unable:1 wait:3 ack:3:spb_distAck wait:4 print
run a routine:211000002:8 wait:2 distress:2 wait:4 print
wait $pids
pids=
alert='269070001|-|DISTRESS|-|-|FLOODING|41°07.512 N|009°33.048 E|10:42|16'
dist_ack='211000002|269070001|ALLSHIPS|DISTRESS|DIST ACK|FLOODING|41°07.512 N|009°33.048 E|10:42|16'
compare a "ROW 274111001|211000002|INDIVIDUAL|ROUTINE|TELEPHONY|-|-|-|-|72|left arrow, #00ff00 on #008000
ROW 211000002|274111001|INDIVIDUAL|ROUTINE|UNABLE|-|-|-|-|09|right arrow, #00ff00 on #008000
ROW $alert|right arrow, #ff0000 on #c0c0c0
ROW $dist_ack|right arrow, #0000ff on #c0c0c0
ALARMS distress=1 routine=0 request=0 report=0"
compare b "ROW 274111001|211000002|INDIVIDUAL|ROUTINE|TELEPHONY|-|-|-|-|72|acknowledged, #00ff00 on #008000
ROW 211000002|274111001|INDIVIDUAL|ROUTINE|UNABLE|-|-|-|-|09|left arrow, #00ff00 on #008000
ROW $alert|acknowledged, #ff0000 on #c0c0c0
ROW $dist_ack|left arrow, #0000ff on #c0c0c0
ALARMS distress=0 routine=0 request=0 report=0"

[ $status -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $status
