#!/usr/bin/env python3
"""Loads every page of the built web site in headless Chromium and checks what a reader meets:

  - each picture has loaded, at the size its file has and its page declares, and shows at that
    size in a wide window;
  - at 360 px width (a phone, or a 720 px window at 200 % zoom) no page scrolls sideways;
  - every link resolves: a link into the site to one of its files (and to an id there), a download
    link to a name in SHA256SUMS;
  - the front page shows each download with the size and SHA-256 of the file the build made.

Exits 77 (skipped) where no Chromium is installed. Talks to the browser over its debugging pipe,
so it needs nothing beyond the standard library.
"""

import argparse
import hashlib
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.parse

sys.dont_write_bytecode = True  # the build writes nothing into the sources
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "installer"))
from write_manifests import ReadChecksums  # noqa: E402  (SHA256SUMS is read one way)
from build_site import PictureSize  # noqa: E402  (the header the page's sizes were taken from)

DEADLINE = 30  # seconds for one answer of the browser
NARROW, WIDE = 360, 1280

# What the browser reports of a loaded page.
SURVEY = """JSON.stringify({
  overflow: document.documentElement.scrollWidth - document.documentElement.clientWidth,
  images: [...document.images].map(i => ({src: i.src, complete: i.complete, naturalWidth: i.naturalWidth,
      naturalHeight: i.naturalHeight, shownWidth: i.width, shownHeight: i.height,
      declaredWidth: i.getAttribute('width'), declaredHeight: i.getAttribute('height')})),
  links: [...document.querySelectorAll('a[href], link[href]')].map(a => a.href),
  ids: [...document.querySelectorAll('[id], a[name]')].map(e => e.id || e.name),
  downloads: [...document.querySelectorAll('.download')].map(d => ({name: d.dataset.file,
      bytes: d.querySelector('.bytes')?.textContent, sha256: d.querySelector('.sha256')?.textContent,
      href: d.querySelector('a')?.href}))
})"""


class Browser:
    """Headless Chromium on its debugging pipe: requests out on fd 3, answers in on fd 4."""

    def __init__(self, executable):
        self.profile = tempfile.mkdtemp(prefix="huetrove-site-")
        toBrowser, self.out = os.pipe()
        self.inp, fromBrowser = os.pipe()
        options = ["--headless", "--remote-debugging-pipe", "--disable-gpu", "--no-first-run",
                   f"--user-data-dir={self.profile}", "about:blank"]
        if os.geteuid() == 0:
            options.insert(0, "--no-sandbox")  # Chromium's sandbox refuses to run as root

        def Pipes():
            os.dup2(toBrowser, 3)
            os.dup2(fromBrowser, 4)
        self.process = subprocess.Popen([executable] + options, pass_fds=(3, 4), preexec_fn=Pipes,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(toBrowser)
        os.close(fromBrowser)
        self.buffer, self.lastId, self.events = b"", 0, []

    def Receive(self):
        deadline = time.monotonic() + DEADLINE
        while b"\0" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.inp], [], [], left)[0]:
                raise SystemExit("the browser did not answer in time")
            chunk = os.read(self.inp, 1 << 16)
            if not chunk:
                raise SystemExit("the browser ended")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def Call(self, method, params=None, session=None):
        self.lastId += 1
        request = {"id": self.lastId, "method": method, "params": params or {}}
        if session:
            request["sessionId"] = session
        os.write(self.out, json.dumps(request).encode() + b"\0")
        while True:
            message = self.Receive()
            if message.get("id") == self.lastId:
                if "error" in message:
                    raise SystemExit(f"{method}: {message['error']}")
                return message["result"]
            self.events.append(message)

    def Survey(self, url, width):
        """Loads url in a new tab of the given width and returns what SURVEY reports."""
        target = self.Call("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.Call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        self.Call("Page.enable", session=session)
        self.Call("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": 800, "deviceScaleFactor": 1, "mobile": False}, session)
        self.events = []
        self.Call("Page.navigate", {"url": url}, session)
        while not any(e.get("method") == "Page.loadEventFired" and e.get("sessionId") == session
                      for e in self.events):
            self.events.append(self.Receive())
        result = self.Call("Runtime.evaluate", {"expression": SURVEY, "returnByValue": True}, session)
        self.Call("Target.closeTarget", {"targetId": target})
        return json.loads(result["result"]["value"])

    def Close(self):
        try:
            self.Call("Browser.close")
            self.process.wait(timeout=DEADLINE)
        finally:
            if self.process.poll() is None:
                self.process.kill()
                self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--site", required=True)
    parser.add_argument("--downloads", required=True, help="the folder of the downloads and SHA256SUMS")
    parser.add_argument("--web-page", required=True, help="the site's published address")
    parser.add_argument("--files-url", required=True, help="where the downloads are published")
    parser.add_argument("--browser")
    args = parser.parse_args()

    browser = args.browser or next(filter(None, map(shutil.which, ("chromium", "chromium-browser",
                                                                    "google-chrome"))), None)
    if not browser:
        print("SKIPPED: no Chromium to load the site in (Debian: apt-get install chromium; scripts/setup.sh does)")
        return 77
    site = os.path.realpath(args.site)
    if not os.path.isfile(os.path.join(site, "index.html")):
        print(f"FAILED: no site in {site}: build it first (scripts/build.sh)")
        return 1

    failures = []
    sums = ReadChecksums(os.path.join(args.downloads, "SHA256SUMS"))
    pages = sorted(os.path.relpath(os.path.join(folder, name), site) for folder, _, names in os.walk(site)
                   for name in names if name.endswith((".htm", ".html")))
    ids, fragments = {}, []  # the ids of each page; (page, link, target page, id) to look up after

    def SiteFile(url, page):
        """The site's file that url names, or None where url points elsewhere."""
        if url.startswith(args.web_page):
            url = "file://" + urllib.parse.quote(site) + "/" + url[len(args.web_page):]
        parts = urllib.parse.urlsplit(url)
        if parts.scheme != "file":
            return None
        path = urllib.parse.unquote(parts.path)
        if path.endswith("/"):
            path += "index.html"
        if os.path.commonpath([site, os.path.realpath(path)]) != site:
            failures.append(f"{page}: {url} leads out of the site")
            return None
        if not os.path.isfile(path):
            failures.append(f"{page}: {url} names no file of the site")
            return None
        if parts.fragment:
            fragments.append((page, url, os.path.relpath(path, site), urllib.parse.unquote(parts.fragment)))
        return path

    chromium = Browser(browser)
    try:
        for page in pages:
            url = "file://" + urllib.parse.quote(os.path.join(site, page))
            narrow, wide = chromium.Survey(url, NARROW), chromium.Survey(url, WIDE)
            ids[page] = set(wide["ids"])
            if narrow["overflow"] > 0:
                failures.append(f"{page}: at {NARROW} px it scrolls sideways by {narrow['overflow']} px")
            for image in wide["images"]:
                path = SiteFile(image["src"], page)
                size = PictureSize(path) if path else None
                natural = (image["naturalWidth"], image["naturalHeight"])
                if not image["complete"] or natural[0] == 0:
                    failures.append(f"{page}: picture {image['src']} did not load")
                elif size and natural != tuple(size):
                    failures.append(f"{page}: picture {image['src']} is {natural}, its file {size}")
                elif image["declaredWidth"] and (image["declaredWidth"], image["declaredHeight"]) != tuple(map(str, natural)):
                    failures.append(f"{page}: picture {image['src']} declares {image['declaredWidth']}x"
                                    f"{image['declaredHeight']}, its size is {natural}")
                elif (image["shownWidth"], image["shownHeight"]) != natural:
                    failures.append(f"{page}: at {WIDE} px picture {image['src']} shows at "
                                    f"{image['shownWidth']}x{image['shownHeight']}, not its size {natural}")
            for link in wide["links"]:
                if link.startswith(args.files_url + "/"):
                    if link[len(args.files_url) + 1:] not in sums:
                        failures.append(f"{page}: download link {link} names no file of SHA256SUMS")
                else:
                    SiteFile(link, page)
            if page == "index.html":
                shown = {d["name"]: d for d in wide["downloads"]}
                if sorted(shown) != sorted(sums):
                    failures.append(f"index.html shows the downloads {sorted(shown)}, SHA256SUMS has {sorted(sums)}")
                for name, download in shown.items():
                    path = os.path.join(args.downloads, name)
                    if not os.path.isfile(path):
                        continue
                    with open(path, "rb") as f:
                        digest = hashlib.sha256(f.read()).hexdigest()
                    if download["sha256"] != digest or sums.get(name) != digest:
                        failures.append(f"index.html: {name} shows SHA-256 {download['sha256']}, the file has {digest}")
                    if (download["bytes"] or "").replace(",", "") != str(os.path.getsize(path)):
                        failures.append(f"index.html: {name} shows {download['bytes']} bytes, the file has "
                                        f"{os.path.getsize(path)}")
                    if download["href"] != f"{args.files_url}/{name}":
                        failures.append(f"index.html: {name} links to {download['href']}")
    finally:
        chromium.Close()
    for page, url, target, anchor in fragments:
        if anchor not in ids.get(target, ()):
            failures.append(f"{page}: {url} names no id {anchor!r} on {target}")

    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(pages)} pages loaded at {NARROW} and {WIDE} px; {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
