#!/usr/bin/env python3
"""Two attacks on zendral-server over loopback, measured.

  bench/server/attacks.py [path/to/zendral-server]

1. Pipelined reads nobody reads: connections that send GET after GET for a photo (or a pack)
   and never read a byte. Prints the server's resident memory before and after, and how long
   another player's request takes meanwhile.
2. Password checks at the real argon2id cost from many addresses (behind a balancer on
   loopback that names them): prints the 50th/90th/99th percentile of a world-table read
   while they run.
"""
import os
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "../../build/bin/zendral-server")
PORT = 18045


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return -1


def post(path, body, forwarded=None, timeout=60):
    request = urllib.request.Request(f"http://127.0.0.1:{PORT}{path}", data=body.encode())
    if forwarded:
        request.add_header("X-Forwarded-For", forwarded)
    try:
        with urllib.request.urlopen(request, timeout=timeout) as reply:
            return reply.read().decode("latin-1")
    except Exception as error:  # a 503 "busy" and the like
        return str(error)


def timed_get(path):
    start = time.monotonic()
    with urllib.request.urlopen(f"http://127.0.0.1:{PORT}{path}", timeout=60) as reply:
        reply.read()
    return (time.monotonic() - start) * 1000


def start_server(data, extra):
    log = open(os.path.join(data, "server.log"), "w")
    process = subprocess.Popen([SERVER, "--listen", f"127.0.0.1:{PORT}", "--data", data,
                                "--no-relay", "--rate-scale", "1000000"] + extra,
                               stdout=log, stderr=log)
    for _ in range(100):
        try:
            timed_get("/get_ip.php")
            return process
        except Exception:
            time.sleep(0.1)
    raise SystemExit("zendral-server did not start")


def pipelined(data):
    os.makedirs(os.path.join(data, "photos"))
    os.makedirs(os.path.join(data, "packs"))
    with open(os.path.join(data, "photos", "Poster.jpg"), "wb") as f:
        f.write(b"\xff\xd8" + os.urandom(60 * 1024))
    with open(os.path.join(data, "packs", "Big.dll"), "wb") as f:
        f.write(os.urandom(5 * 1024 * 1024))
    process = start_server(data, ["--hash-cost", "minimal"])
    try:
        print("Pipelined requests nobody reads (resident memory of the server, and another "
              "player's request meanwhile)")
        for path, connections, requests in (("/photos/Poster.jpg", 4, 5000),
                                            ("/downloads/progr/cards/Big.dll", 1, 40),
                                            ("/downloads/progr/cards/Big.dll", 4, 12)):
            before = resident_kb(process.pid)
            payload = f"GET {path} HTTP/1.1\r\nHost: x\r\n\r\n".encode() * requests
            greedy = []
            for _ in range(connections):
                s = socket.create_connection(("127.0.0.1", PORT))
                s.setblocking(False)
                sent, deadline = 0, time.monotonic() + 5
                while sent < len(payload) and time.monotonic() < deadline:
                    try:
                        sent += s.send(payload[sent:])
                    except BlockingIOError:
                        time.sleep(0.01)
                greedy.append(s)
            time.sleep(1)
            latency = timed_get("/services/paths.txt")
            after = resident_kb(process.pid)
            print(f"  {connections} x {requests} GET {path}: {before / 1024:.0f} MB -> "
                  f"{after / 1024:.0f} MB (+{(after - before) / 1024:.0f} MB), another read "
                  f"{latency:.1f} ms")
            for s in greedy:
                s.close()
            time.sleep(0.5)
    finally:
        process.terminate()
        process.wait()


def hash_load(data):
    process = start_server(data, ["--hash-cost", "interactive", "--trusted-proxy", "127.0.0.1"])
    try:
        post("/services/account", "nick=Bencher&pw=bench1234&city=Oslo&country1=Norway"
             "&country2=1-035&sex=M&email=b@x.org")
        stop = threading.Event()
        checks = [0]

        def caller(k):
            while not stop.is_set():
                post("/services/account", f"nick=Bencher&pw=wrong{k}&labelkovread=0",
                     forwarded=f"10.0.{k}.7")
                checks[0] += 1

        threads = [threading.Thread(target=caller, args=(k,)) for k in range(20) for _ in range(4)]
        for t in threads:
            t.start()
        time.sleep(1)
        samples = []
        end = time.monotonic() + 10
        while time.monotonic() < end:
            samples.append(read_table())
            time.sleep(0.05)
        stop.set()
        for t in threads:
            t.join()
        samples.sort()
        q = statistics.quantiles(samples, n=100, method="inclusive")
        print("World-table reads while 20 addresses send 4 password checks at a time each "
              f"(argon2id at the real cost, {checks[0]} checks in all)")
        print(f"  {len(samples)} reads: p50 {q[49]:.1f} ms, p90 {q[89]:.1f} ms, "
              f"p99 {q[98]:.1f} ms, longest {samples[-1]:.1f} ms")
    finally:
        process.terminate()
        process.wait()


def read_table():
    start = time.monotonic()
    post("/services/records", "gid=44")
    return (time.monotonic() - start) * 1000


if __name__ == "__main__":
    print(f"zendral-server {SERVER} on SQLite ({os.cpu_count()} cores)")
    for run in (pipelined, hash_load):
        data = tempfile.mkdtemp()
        try:
            run(data)
        finally:
            shutil.rmtree(data, ignore_errors=True)
