#!/usr/bin/env bash
# Our SNTP client under Wine against a real NTP server: chrony on 127.0.0.1:123 serving
# the host's own clock, never allowed to touch it (-x). The offsets our client measures
# must agree with ntpdig's within 50 ms, also in zones far from UTC.
#   ntp_chrony_test.sh ormel_sntp_probe.exe
set -euo pipefail
PROBE=$1
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
WINE_RUN=$ROOT/tools/wine-run
CHRONYD=${ORMEL_CHRONYD:-$ROOT/build/chrony/usr/sbin/chronyd}
AGREE_MS=50

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$CHRONYD" ] || fail "no chronyd at $CHRONYD (./ormel setup unpacks it)"
command -v ntpdig >/dev/null || fail "ntpdig is missing (./ormel setup installs it)"

WORK=$(mktemp -d)
CHRONY_PID=""
stop_server() {
  if [ -n "$CHRONY_PID" ]; then
    kill "$CHRONY_PID" 2>/dev/null || true
    wait "$CHRONY_PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap stop_server EXIT

# Port 123 holds one server per machine: other build trees' runs of this test wait.
exec 9>/tmp/ormel-ntp-port-123.lock
flock -w 100 9 || fail "port 123 stayed taken by another run for 100 s"

# No upstream servers; the command socket is off, the pid file is ours.
cat >"$WORK/chrony.conf" <<CONF
port 123
bindaddress 127.0.0.1
cmdport 0
bindcmdaddress /
local stratum 8
allow 127.0.0.1
pidfile $WORK/chronyd.pid
driftfile $WORK/chrony.drift
CONF
# timeout bounds the server's life even if this script is killed.
timeout 60 "$CHRONYD" -x -d -u root -f "$WORK/chrony.conf" >"$WORK/chronyd.log" 2>&1 &
CHRONY_PID=$!

# ntpdig's offset in ms once the server answers at its own stratum.
ntpdig_offset() {
  local line
  line=$(ntpdig -t 1 127.0.0.1 2>/dev/null) || return 1
  case "$line" in *" s8 "*) ;; *) return 1 ;; esac
  awk '{ printf "%.3f", $4 * 1000 }' <<<"$line"
}

ready=""
for _ in $(seq 20); do
  kill -0 "$CHRONY_PID" 2>/dev/null || { cat "$WORK/chronyd.log" >&2; fail "chronyd ended"; }
  ready=$(ntpdig_offset) && break
  sleep 0.5
done
[ -n "$ready" ] || { cat "$WORK/chronyd.log" >&2; fail "chronyd did not answer within 10 s"; }

# The offset of the quickest of three exchanges, as NTP clients pick theirs: a slow
# start of Wine's sockets makes the path lopsided and the offset less exact.
probe_offset() {
  local best_delay="" best_offset="" bias="" out
  for _ in 1 2 3; do
    out=$(env "$@" "$WINE_RUN" "$PROBE" 127.0.0.1 123 5000 | tr -d '\r') || fail "probe: $out"
    local offset delay
    offset=$(sed -n 's/.*offset_ms=\([-0-9.]*\).*/\1/p' <<<"$out")
    delay=$(sed -n 's/.*delay_ms=\([-0-9.]*\).*/\1/p' <<<"$out")
    bias=$(sed -n 's/.*bias_min=\([-0-9]*\).*/\1/p' <<<"$out")
    [ -n "$offset" ] || fail "probe: $out"
    if [ -z "$best_delay" ] || awk -v d="$delay" -v b="$best_delay" 'BEGIN { exit !(d < b) }'; then
      best_delay=$delay best_offset=$offset
    fi
  done
  echo "$best_offset $best_delay $bias"
}

# Zones without daylight time, each with the UTC bias in minutes the client must use.
for zone_bias in UTC:0 America/Phoenix:420 Asia/Kolkata:-330; do
  zone=${zone_bias%%:*} want_bias=${zone_bias#*:}
  result=$(probe_offset TZ="$zone") || exit 1
  read -r ours delay bias <<<"$result"
  theirs=$(ntpdig_offset) || fail "ntpdig got no answer"
  echo "TZ=$zone (bias $bias min): our offset ${ours} ms (delay ${delay} ms), ntpdig ${theirs} ms"
  [ "$bias" = "$want_bias" ] || fail "TZ=$zone: the client used a bias of $bias min, not $want_bias"
  awk -v a="$ours" -v b="$theirs" -v lim="$AGREE_MS" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(d <= lim) }' ||
    fail "TZ=$zone: offsets differ by more than $AGREE_MS ms"
done
echo "ok"
