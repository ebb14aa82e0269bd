#!/usr/bin/env python3
"""Our SNTP client under Wine against a hostile server on loopback: every bad reply must
give no time (or the socket error for an over-long one), and the wait for an answer must
end at the time-out.
    ntp_hostile_test.py ormel_sntp_probe.exe

The server listens on a loopback port of its own: the client takes replies only from
the port it asked, whichever that is. It lives at most as long as this script."""
import os
import re
import socket
import struct
import subprocess
import sys
import threading
import time

PROBE = sys.argv[1]
WINE_RUN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "wine-run")
NTP_EPOCH_OFFSET = 2208988800  # seconds from 1900 to 1970
SERVER_AHEAD_S = 5.0
FULL_TIMEOUT_MS = 5000
SHORT_TIMEOUT_MS = 1000
TIMEOUT_SLACK_MS = 600
SCRIPT_LIFETIME_S = 100


def ntp_stamp(seconds_since_1970):
    whole = int(seconds_since_1970)
    fraction = int((seconds_since_1970 - whole) * 2**32)
    return struct.pack(">II", (whole + NTP_EPOCH_OFFSET) & 0xFFFFFFFF, fraction)


def answer(request, first=0x24, stratum=2, originate=None, receive=None, transmit=None):
    """A server reply (leap 0, version 4, server mode) from a clock 5 s ahead; receive is
    seconds from its transmit time, or the stamp itself."""
    now = time.time() + SERVER_AHEAD_S
    if isinstance(receive, (int, float)):
        receive = ntp_stamp(now + receive)
    return (bytes([first, stratum, 6, 0xEC]) + bytes(12) + ntp_stamp(now)
            + (request[40:48] if originate is None else originate)
            + (ntp_stamp(now) if receive is None else receive)
            + (ntp_stamp(now) if transmit is None else transmit))


def wrong_originate(request):
    return answer(request, originate=bytes(7) + bytes([request[47] ^ 1]))


# Each case: the datagrams the server sends for one request, as (socket, bytes) with
# socket "server" (the queried port), "other port" or "other address".
CASES = [
    # name, replies, time-out, outcome, whether the wait runs to the time-out
    ("usable answer", lambda r: [("server", answer(r))], FULL_TIMEOUT_MS, "answer", False),
    ("47 bytes", lambda r: [("server", answer(r)[:47])], FULL_TIMEOUT_MS, "none", False),
    ("68 bytes", lambda r: [("server", answer(r) + bytes(20))], FULL_TIMEOUT_MS,
     "error Socket Error # 10040 Message too long.", False),
    ("stratum 0", lambda r: [("server", answer(r, stratum=0))], FULL_TIMEOUT_MS, "none", False),
    ("stratum 16", lambda r: [("server", answer(r, stratum=16))], FULL_TIMEOUT_MS, "none", False),
    ("leap indicator 3", lambda r: [("server", answer(r, first=0xE4))], FULL_TIMEOUT_MS, "none", False),
    ("zero transmit time", lambda r: [("server", answer(r, transmit=bytes(8)))], FULL_TIMEOUT_MS,
     "none", False),
    # Times that cannot all be true: "Sync time" would weight the receive time by one and a half.
    ("zero receive time", lambda r: [("server", answer(r, receive=bytes(8)))], FULL_TIMEOUT_MS,
     "none", False),
    ("received after it was sent", lambda r: [("server", answer(r, receive=+10))], FULL_TIMEOUT_MS,
     "none", False),
    ("negative round trip", lambda r: [("server", answer(r, receive=-10))], FULL_TIMEOUT_MS,
     "none", False),
    ("wrong originate time", lambda r: [("server", wrong_originate(r))], SHORT_TIMEOUT_MS, "none", True),
    ("client mode", lambda r: [("server", answer(r, first=0x23))], SHORT_TIMEOUT_MS, "none", True),
    ("from another port", lambda r: [("other port", answer(r))], SHORT_TIMEOUT_MS, "none", True),
    ("from another address", lambda r: [("other address", answer(r))], SHORT_TIMEOUT_MS, "none", True),
    ("spoofs, then the answer",
     lambda r: [("other port", answer(r, stratum=1)), ("other address", answer(r)),
                ("server", wrong_originate(r)), ("server", answer(r))],
     FULL_TIMEOUT_MS, "answer", False),
    ("no reply", lambda r: [], FULL_TIMEOUT_MS, "none", True),
]


class HostileServer:
    def __init__(self):
        self.sockets = {}
        for name, address in (("server", "127.0.0.1"), ("other port", "127.0.0.1"),
                              ("other address", "127.0.0.2")):
            s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
            s.bind((address, 0))
            self.sockets[name] = s
        self.sockets["server"].settimeout(0.2)
        self.port = self.sockets["server"].getsockname()[1]
        self.replies = None
        self.requests = []
        self.stop = threading.Event()
        self.thread = threading.Thread(target=self.serve, daemon=True)
        self.thread.start()

    def serve(self):
        while not self.stop.is_set():
            try:
                request, client = self.sockets["server"].recvfrom(512)
            except socket.timeout:
                continue
            self.requests.append(request)
            if len(request) != 48 or self.replies is None:
                continue
            for name, data in self.replies(request):
                self.sockets[name].sendto(data, client)

    def close(self):
        self.stop.set()
        self.thread.join()
        for s in self.sockets.values():
            s.close()


def probe(port, timeout_ms):
    out = subprocess.run([WINE_RUN, PROBE, "127.0.0.1", str(port), str(timeout_ms)],
                         capture_output=True, text=True, timeout=30).stdout.strip()
    match = re.match(r"(.*?) ?(?:offset_ms=(\S+) .*)?elapsed_ms=(\d+)$", out)
    if not match:
        raise AssertionError(f"probe said {out!r}")
    outcome, offset, elapsed = match.groups()
    return " ".join(outcome.split()), (float(offset) if offset else None), int(elapsed)


def check(name, replies, timeout_ms, want, runs_to_timeout, server):
    server.replies = replies
    before = len(server.requests)
    outcome, offset, elapsed = probe(server.port, timeout_ms)
    problems = []
    if len(server.requests) != before + 1 or len(server.requests[-1]) != 48:
        problems.append("the server did not get one 48-byte request")
    if outcome != want:
        problems.append(f"gave {outcome!r}, not {want!r}")
    if want == "answer" and (offset is None or abs(offset - SERVER_AHEAD_S * 1000) > 50):
        problems.append(f"offset {offset} ms, not {SERVER_AHEAD_S * 1000:.0f}")
    if runs_to_timeout and not timeout_ms - 50 <= elapsed <= timeout_ms + TIMEOUT_SLACK_MS:
        problems.append(f"waited {elapsed} ms for a time-out of {timeout_ms} ms")
    if not runs_to_timeout and elapsed > timeout_ms // 2:
        problems.append(f"took {elapsed} ms though the server replied at once")
    print(f"{'FAIL' if problems else 'ok  '} {name}: {outcome}, {elapsed} ms"
          + (f", offset {offset:.1f} ms" if offset is not None else "") + "".join("; " + p for p in problems))
    return not problems


def main():
    # Ends a run that hangs, server and all.
    threading.Timer(SCRIPT_LIFETIME_S, lambda: os._exit(3)).start()
    server = HostileServer()
    try:
        results = [check(*case, server) for case in CASES]
    finally:
        server.close()
    print("ok" if all(results) else f"FAIL: {results.count(False)} of {len(results)} cases")
    os._exit(0 if all(results) else 1)


main()
