"""The built site served on 127.0.0.1, headless Chromium to drive it, and
corvane-chart to agree with (paths from scripts/test-web.sh)."""
import functools
import http.server
import os
import pathlib
import shutil
import subprocess
import tempfile
import threading

import pytest
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

ROOT = pathlib.Path(__file__).resolve().parents[2]
SITE = pathlib.Path(os.environ.get("CORVANE_WEB_SITE", ROOT / "build-web" / "site"))
CHART = pathlib.Path(os.environ.get("CORVANE_CHART", ROOT / "build" / "bin" / "corvane-chart"))
AXE = pathlib.Path(os.environ.get("CORVANE_AXE", ROOT / "build-web" / "npm" / "node_modules" / "axe-core" / "axe.min.js"))


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Site:
    """The site on a port the system picks, until stop()."""

    def __init__(self):
        handler = functools.partial(Quiet, directory=str(SITE))
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


@pytest.fixture(scope="module")
def site():
    assert (SITE / "index.html").is_file(), f"{SITE} holds no site: run scripts/web.sh build"
    served = Site()
    yield served
    served.stop()


@pytest.fixture
def chromium():
    """A browser of its own, with a fresh profile, at a laptop's size."""
    profile = tempfile.mkdtemp(prefix="corvane-chromium-")
    options = webdriver.ChromeOptions()
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 f"--user-data-dir={profile}", "--window-size=1366,768"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    yield driver
    driver.quit()
    shutil.rmtree(profile, ignore_errors=True)


def open_page(driver, url):
    driver.get(url)
    WebDriverWait(driver, 20).until(lambda d: d.execute_script("return document.documentElement.dataset.ready"))
    return driver


@pytest.fixture
def page(chromium, site):
    return open_page(chromium, site.url)


def tool(*args, cwd=None):
    """corvane-chart with these arguments: (exit code, stdout, stderr)."""
    if not CHART.is_file():
        pytest.skip(f"{CHART} is missing: build the desktop first (scripts/build.sh)")
    run = subprocess.run([str(CHART), *args], capture_output=True, cwd=cwd, check=False)
    return run.returncode, run.stdout.decode(), run.stderr.decode()
