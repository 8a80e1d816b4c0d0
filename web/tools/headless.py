# SPDX-License-Identifier: GPL-3.0-or-later
"""Headless Chromium for the page's tests and measurements: Debian's chromium and chromedriver,
driven by python3-selenium, on a fresh profile, with the page served on 127.0.0.1 only."""
import contextlib
import pathlib
import shutil
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
SERVE = pathlib.Path(__file__).with_name("serve.py")
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--window-size=1024,768"]


@contextlib.contextmanager
def served(folder):
    """Serves `folder` on a free port of 127.0.0.1 and yields the page's address."""
    server = subprocess.Popen([sys.executable, str(SERVE), "--quiet", str(folder)],
                              stdout=subprocess.PIPE, text=True)
    try:
        address = server.stdout.readline().strip()
        if not address.startswith("http://127.0.0.1:"):
            raise RuntimeError("the page server did not start")
        yield address
    finally:
        server.terminate()
        server.wait(10)


@contextlib.contextmanager
def browser(download_dir=None):
    """A headless Chromium on a profile of its own, with its performance (network) log on."""
    profile = tempfile.mkdtemp(prefix="faultwise-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in FLAGS + ["--user-data-dir=" + profile]:
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    try:
        if download_dir:
            driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                   {"behavior": "allow", "downloadPath": str(download_dir)})
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def load(driver, address, timeout=30):
    """Opens the page and waits until its tree is built from the core."""
    driver.get(address)
    WebDriverWait(driver, timeout).until(
        lambda d: d.execute_script("return document.body.dataset.ready === 'true'"))
