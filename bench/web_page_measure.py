#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the web page in headless Chromium: its size gzipped, the time from navigation to an
interactive tree, and the time from Check to the shown report for the 320 KiB sample dump.

Run after building (build/web/, build/faultwise.html) with Debian's python3:
    /usr/bin/python3 bench/web_page_measure.py
"""
import argparse
import gzip
import pathlib
import statistics
import sys

ROOT = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "web" / "tools"))

import headless  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

CHECK_TO_REPORT = """
const done = arguments[arguments.length - 1];
const report = document.querySelector('[data-testid="report"]');
const start = performance.now();
document.querySelector('[data-testid="check"]').click();
const decoded = performance.now();
// The report counts as shown once the next frame has been laid out and painted.
requestAnimationFrame(() => setTimeout(() => done([decoded - start, performance.now() - start,
                                                   report.textContent.length])));
"""


def gzipped(data):
    return len(gzip.compress(data, compresslevel=9))


def sizes(folder, single):
    files = sorted(p for p in folder.iterdir() if p.is_file())
    raw = sum(p.stat().st_size for p in files)
    packed = sum(gzipped(p.read_bytes()) for p in files)
    print(f"folder build/web/: {raw / 1024:.1f} KiB, {packed / 1024:.1f} KiB gzipped "
          f"({len(files)} files)")
    for p in files:
        print(f"  {p.name}: {p.stat().st_size / 1024:.1f} KiB, "
              f"{gzipped(p.read_bytes()) / 1024:.1f} KiB gzipped")
    data = single.read_bytes()
    print(f"single file faultwise.html: {len(data) / 1024:.1f} KiB, "
          f"{gzipped(data) / 1024:.1f} KiB gzipped")


def time_to_tree(driver, address, loads):
    times = []
    for _ in range(loads):
        headless.load(driver, address)
        times.append(driver.execute_script(
            "return performance.getEntriesByName('faultwise-ready')[0].startTime"))
    return times


def check_to_report(driver, address, dump, part, runs):
    headless.load(driver, address)
    driver.find_element(By.ID, "filter").send_keys(part)
    driver.find_element(By.CSS_SELECTOR, '[data-testid="leaf"]:not([hidden])').click()
    decode, shown = [], []
    for _ in range(runs):
        driver.find_element(By.CSS_SELECTOR, '[data-testid="dump-input"]').send_keys(str(dump))
        # Opening reads the file asynchronously; it is done once the pane is cleared.
        WebDriverWait(driver, 10).until(lambda d: d.execute_script(
            "return !document.querySelector('[data-testid=\"check\"]').disabled &&"
            " document.querySelector('[data-testid=\"report\"]').textContent === ''"))
        d, s, length = driver.execute_async_script(CHECK_TO_REPORT)
        if length == 0:
            raise SystemExit("the check printed no report")
        decode.append(d)
        shown.append(s)
    return decode, shown


def summary(values):
    return (f"median {statistics.median(values):.1f} ms, min {min(values):.1f}, "
            f"max {max(values):.1f} (n={len(values)})")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", type=pathlib.Path, default=ROOT / "build")
    parser.add_argument("--dump", type=pathlib.Path,
                        default=ROOT / "samples" / "01_ecu2p400.bin")
    parser.add_argument("--part", default="95910-2P400")
    parser.add_argument("--runs", type=int, default=20)
    args = parser.parse_args()
    folder, single = args.build / "web", args.build / "faultwise.html"
    sizes(folder, single)
    with headless.served(folder) as served, headless.browser() as driver:
        for name, address in [("served folder", served), ("single file", single.as_uri())]:
            print(f"{name}: navigation to interactive tree: "
                  f"{summary(time_to_tree(driver, address, args.runs))}")
            decode, shown = check_to_report(driver, address, args.dump.resolve(), args.part,
                                            args.runs)
            print(f"{name}: Check to report ({args.dump.name}, {args.dump.stat().st_size} bytes):"
                  f" decoded and in the pane {summary(decode)}; painted {summary(shown)}")


if __name__ == "__main__":
    main()
