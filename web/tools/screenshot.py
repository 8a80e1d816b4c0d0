#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Takes docs/web-screenshot.png: the single-file page in headless Chromium at 1024x768, with a
sample dump opened and checked."""
import argparse
import pathlib

from selenium.webdriver.common.by import By

import headless


def main():
    root = pathlib.Path(__file__).resolve().parents[2]
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--page", type=pathlib.Path, default=root / "build" / "faultwise.html")
    parser.add_argument("--dump", type=pathlib.Path, default=root / "samples" / "19_hondaSPC.bin")
    parser.add_argument("--part", default="77960-T1G-R920-M4")
    parser.add_argument("--size", default="1024x768", help="viewport, WIDTHxHEIGHT")
    parser.add_argument("--out", type=pathlib.Path, default=root / "docs" / "web-screenshot.png")
    args = parser.parse_args()
    width, height = (int(n) for n in args.size.split("x"))
    with headless.browser() as driver:
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
        headless.load(driver, args.page.resolve().as_uri())
        driver.find_element(By.CSS_SELECTOR, '[data-testid="dump-input"]').send_keys(
            str(args.dump.resolve()))
        driver.find_element(By.ID, "filter").send_keys(args.part)
        driver.find_element(By.CSS_SELECTOR, '[data-testid="leaf"]:not([hidden])').click()
        driver.find_element(By.CSS_SELECTOR, '[data-testid="check"]').click()
        driver.find_element(By.CSS_SELECTOR, '[data-testid="report"]').click()
        driver.save_screenshot(str(args.out))
    print(args.out)


if __name__ == "__main__":
    main()
