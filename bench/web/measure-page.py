#!/usr/bin/python3
"""The browser edition's speed, in headless Chromium on this machine:

    bench/web/measure-page.py [SITE]     (default build-web/site)

the gzip size of the WebAssembly module and the JavaScript, OK to the chart
drawn (median of 20), one mouse move's readout (median of 20 samples of 100 moves), and the
first load from localhost to a usable page (median of 5 fresh profiles).
Times are taken in the page with performance.now()."""
import functools
import gzip
import http.server
import pathlib
import shutil
import statistics
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

SITE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build-web/site")


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def browser():
    profile = tempfile.mkdtemp(prefix="corvane-measure-")
    options = webdriver.ChromeOptions()
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 f"--user-data-dir={profile}", "--window-size=1366,768"):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options), profile


def ready(driver):
    WebDriverWait(driver, 20).until(lambda d: d.execute_script("return document.documentElement.dataset.ready"))


OK_TIMES = """
const done = arguments[0], ok = document.getElementById('ok'), handler = [], framed = [];
const picture = document.getElementById('chart').getContext('2d');
const frame = () => new Promise((r) => requestAnimationFrame(() => setTimeout(r)));
(async () => {
  for (let i = 0; i < 21; i += 1) {
    await frame();
    const t0 = performance.now();
    ok.click();
    picture.getImageData(0, 0, 1, 1);  // waits until the canvas has drawn
    const t1 = performance.now();
    await frame();
    if (i > 0) { handler.push(t1 - t0); framed.push(performance.now() - t0); }
  }
  done([handler, framed]);
})();
"""

MOVE_TIMES = """
// The page's clock is coarse (0.1 ms), so each sample is 100 moves.
const canvas = document.getElementById('chart'), r = canvas.getBoundingClientRect(), times = [];
for (let sample = 0; sample < 20; sample += 1) {
  const events = [];
  for (let i = 0; i < 100; i += 1) {
    const k = sample * 100 + i;
    events.push(new PointerEvent('pointermove', {bubbles: true,
      clientX: r.left + (k * 7.3) % r.width, clientY: r.top + (k * 3.1) % r.height}));
  }
  const t0 = performance.now();
  for (const e of events) canvas.dispatchEvent(e);
  times.push((performance.now() - t0) / 100);
}
return times;
"""


def main():
    sizes = {p.name: len(gzip.compress(p.read_bytes(), 9)) for p in
             [SITE / "wasm" / "corvane-core.wasm", SITE / "wasm" / "corvane-core.js", *sorted((SITE / "js").glob("*.js"))]}
    print(f"gzip -9: .wasm {sizes['corvane-core.wasm'] / 1000:.1f} kB, all JavaScript "
          f"{(sum(sizes.values()) - sizes['corvane-core.wasm']) / 1000:.1f} kB, together {sum(sizes.values()) / 1000:.1f} kB")

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=str(SITE)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    loads = []
    for _ in range(5):
        driver, profile = browser()
        try:
            driver.get(url)
            ready(driver)
            loads.append(driver.execute_script("return performance.getEntriesByName('corvane-usable')[0].startTime"))
            driver.get(url)  # again, from the service worker's cache
            ready(driver)
            warm = driver.execute_script("return performance.getEntriesByName('corvane-usable')[0].startTime")
            handler, framed = driver.execute_async_script(OK_TIMES)
            moves = driver.execute_script(MOVE_TIMES)
        finally:
            driver.quit()
            shutil.rmtree(profile, ignore_errors=True)
    print(f"first load to a usable page: median {statistics.median(loads):.0f} ms of {len(loads)} "
          f"(from the cache: {warm:.0f} ms)")
    print(f"OK to the chart drawn on the canvas: median {statistics.median(handler):.2f} ms, "
          f"{statistics.median(framed):.2f} ms to the next frame (20 clicks)")
    print(f"one mouse move's readout: median {statistics.median(moves) * 1000:.0f} us, "
          f"slowest {max(moves) * 1000:.0f} us (20 samples of 100 moves)")
    server.shutdown()


if __name__ == "__main__":
    main()
