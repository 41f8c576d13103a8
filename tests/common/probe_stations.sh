# Stations run by station_probe inside the namespaces of netns.sh. Sourced
# after it by the tests of several stations; they set probe, work and,
# where all their stations share them, PROBE_FLAGS.
#
#   run NAME STEP...   starts station NAME and waits until it listens
#   stations_cleanup   ends the stations and the namespaces, removes work

run() {
  local n=$1; shift
  rm -f "$work/$n.ready"; mkfifo "$work/$n.ready"
  # shellcheck disable=SC2086
  ip netns exec "$NETNS_PREFIX-$n" "$probe" "$work/$n" --ready "$work/$n.ready" --timeout-ms 15000 \
    ${PROBE_FLAGS:-} "$@" > "$work/$n.out" 2> "$work/$n.err" &
  pids="${pids:-} $!"
  read -r -t 10 _ < "$work/$n.ready" || { echo "station $n did not start"; cat "$work/$n.err"; exit 1; }
}

stations_cleanup() {
  netns_down
  [ -n "${pids:-}" ] && kill $pids 2>/dev/null
  rm -rf "$work"
}
