#!/usr/bin/env python3
"""Serves a Gavrento site as a host serves it: Debian's nginx, configured by nginx.conf.in
beside this script, in the foreground on 127.0.0.1, with the rights of whoever starts it.

usage: serve.py SITE FOLDER [--port PORT] [--policy-of PAGE]

SITE is the folder served. FOLDER takes nginx.conf, filled in, and nginx's own files: its
log of what it sent (access.log) and its temporary folders. PORT is a free one unless
given. The Content-Security-Policy sent is the one PAGE states in its meta tag (SITE's
index.html unless given), with what only a header can say. Prints the site's address once
nginx answers there, and ends with nginx: Ctrl+C or a SIGTERM to this process ends both.
"""
import argparse
import html.parser
import pathlib
import re
import signal
import socket
import subprocess
import sys
import time


class PolicyReader(html.parser.HTMLParser):
    policy = None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "meta" and attrs.get("http-equiv", "").lower() == "content-security-policy":
            self.policy = attrs.get("content")


def policy_of(page):
    reader = PolicyReader()
    reader.feed(page.read_text(encoding="utf-8"))
    if not reader.policy:
        sys.exit(f"serve.py: {page} states no Content-Security-Policy")
    return reader.policy


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def main():
    arguments = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    arguments.add_argument("site", type=pathlib.Path)
    arguments.add_argument("folder", type=pathlib.Path)
    arguments.add_argument("--port", type=int)
    arguments.add_argument("--policy-of", type=pathlib.Path)
    given = arguments.parse_args()
    site, folder = given.site.resolve(), given.folder.resolve()
    values = {"SITE": site, "FOLDER": folder, "PORT": given.port or free_port(),
              "POLICY": policy_of(given.policy_of or site / "index.html")}
    template = pathlib.Path(__file__).with_name("nginx.conf.in").read_text(encoding="utf-8")
    folder.mkdir(parents=True, exist_ok=True)
    configuration = folder / "nginx.conf"
    configuration.write_text(re.sub(r"@(\w+)@", lambda name: str(values[name[1]]), template),
                             encoding="utf-8")

    # nginx writes its pid once it listens: then the address is worth printing.
    pid = folder / "nginx.pid"
    pid.unlink(missing_ok=True)
    nginx = subprocess.Popen(["nginx", "-c", configuration, "-e", "stderr"])
    for ending in (signal.SIGINT, signal.SIGTERM):
        signal.signal(ending, lambda *_: nginx.terminate())
    while not pid.exists():
        if nginx.poll() is not None:
            return nginx.returncode or 1
        time.sleep(0.02)
    print(f"Gavrento: http://127.0.0.1:{values['PORT']}/", flush=True)
    return nginx.wait()


if __name__ == "__main__":
    sys.exit(main())
