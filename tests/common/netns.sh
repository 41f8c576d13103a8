# Test hosts in network namespaces of their own, joined by a bridge in one
# more namespace. Nothing touches the machine's own interfaces: broadcasts
# stay on the bridge. Sourced by the tests that need several stations.
#
#   netns_require                     skip (exit 77) without root or iproute2
#   netns_up PREFIX SUBNET NAME...    hosts PREFIX-NAME at SUBNET.1, .2, ...
#   netns_down                        removes them (set as the EXIT trap)

netns_require() {
  if [ "$(id -u)" -ne 0 ] || ! command -v ip >/dev/null; then
    echo "SKIP: network namespaces need root and iproute2"
    exit 77
  fi
}

netns_down() {
  local n
  for n in ${NETNS_NAMES:-} br; do ip netns del "$NETNS_PREFIX-$n" 2>/dev/null; done
  return 0
}

netns_up() {
  NETNS_PREFIX=$1 NETNS_SUBNET=$2
  shift 2
  NETNS_NAMES="$*"
  netns_down # stale ones from a run that was killed
  set -e
  ip netns add "$NETNS_PREFIX-br"
  ip -n "$NETNS_PREFIX-br" link add br0 type bridge
  ip -n "$NETNS_PREFIX-br" link set br0 up
  local i=1 n
  for n in $NETNS_NAMES; do
    ip netns add "$NETNS_PREFIX-$n"
    ip link add name "v$n" netns "$NETNS_PREFIX-$n" type veth peer name "p$n" netns "$NETNS_PREFIX-br"
    ip -n "$NETNS_PREFIX-br" link set "p$n" master br0 up
    ip -n "$NETNS_PREFIX-$n" link set lo up
    ip -n "$NETNS_PREFIX-$n" addr add "$NETNS_SUBNET.$i/24" dev "v$n"
    ip -n "$NETNS_PREFIX-$n" link set "v$n" up
    # The limited broadcast needs a route; this one leads only onto the bridge.
    ip -n "$NETNS_PREFIX-$n" route add default dev "v$n"
    i=$((i + 1))
  done
  set +e
}
