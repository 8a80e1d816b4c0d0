#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page in headless Chromium, served from its folder or opened as the single file: its
reports equal the CLI's, and the check flow, the log, drop, the filter and the privacy promise
hold. One browser session serves every test of a run."""
import argparse
import base64
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ARGS = None


def cp1252_bytes(text):
    """`text` in Windows-1252 as the core maps it: the five undefined bytes are C1 controls."""
    table = {}
    for byte in range(256):
        try:
            table[bytes([byte]).decode("cp1252")] = byte
        except UnicodeDecodeError:
            table[chr(byte)] = byte
    return bytes(table[c] for c in text)


def sample_type_id(path):
    return int(path.name.split("_", 1)[0])


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        sys.path.insert(0, str(ARGS.tools))
        import headless
        cls.headless = headless
        cls.stack = []
        cls.work = pathlib.Path(tempfile.mkdtemp(prefix="faultwise-page-test-"))
        cls.downloads = cls.work / "downloads"
        cls.downloads.mkdir()
        if ARGS.form == "folder":
            cls.server = headless.served(ARGS.folder)
            cls.address = cls.server.__enter__()
            cls.stack.append(cls.server)
        else:
            cls.address = ARGS.single.resolve().as_uri()
        cls.browser = headless.browser(cls.downloads)
        cls.driver = cls.browser.__enter__()
        cls.stack.append(cls.browser)
        cls.samples = sorted(ARGS.samples.glob("*.bin"))

    @classmethod
    def tearDownClass(cls):
        for context in reversed(cls.stack):
            context.__exit__(None, None, None)
        shutil.rmtree(cls.work, ignore_errors=True)

    def setUp(self):
        self.headless.load(self.driver, self.address)

    # ---- Driving the page ----------------------------------------------------------------

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def by_testid(self, testid):
        return self.driver.find_element(By.CSS_SELECTOR, f'[data-testid="{testid}"]')

    def status(self):
        return self.by_testid("status").text

    def open_dump(self, path):
        self.by_testid("dump-input").send_keys(str(path))
        WebDriverWait(self.driver, 10).until(lambda d: self.status() == "File: " + path.name)

    def select_leaf(self, type_id, part_number=None):
        selector = f'[data-testid="leaf"][data-type-id="{type_id}"]'
        leaves = self.driver.find_elements(By.CSS_SELECTOR, selector)
        leaf = next(l for l in leaves
                    if part_number is None or l.get_attribute("textContent") == part_number)
        make = leaf.find_element(By.XPATH, "ancestor::li[@role='treeitem']")
        if make.get_attribute("aria-expanded") != "true":
            make.find_element(By.CSS_SELECTOR, ".label").click()
        leaf.click()
        return leaf

    def select_make(self, make):
        self.driver.find_element(By.CSS_SELECTOR, f'li[data-make="{make}"] > .label').click()

    def report(self):
        return self.js("return arguments[0].textContent", self.by_testid("report"))

    def check(self):
        self.by_testid("check").click()

    def message(self):
        """The open message dialog's text and detail, or None; closes the dialog."""
        dialog = self.by_testid("message")
        if not self.js("return arguments[0].open", dialog):
            return None
        text = (self.by_testid("message-text").text, self.by_testid("message-detail").text)
        dialog.find_element(By.TAG_NAME, "button").click()
        return text

    def cli_run(self, type_id, path):
        return subprocess.run([str(ARGS.cli), str(type_id), str(path)], capture_output=True,
                              check=True)

    def cli_report(self, type_id, path):
        return self.cli_run(type_id, path).stdout

    def cli_warnings(self, type_id, path):
        """The CLI's read warnings, worded as the page's warning bar shows them."""
        lines = self.cli_run(type_id, path).stderr.decode("utf-8").splitlines()
        return ["Warning: " + line.split(": warning: ", 1)[1] + "."
                for line in lines if ": warning: " in line]

    def warnings(self):
        bar = self.by_testid("warning")
        if not bar.is_displayed():
            return []
        return self.js("return arguments[0].textContent", bar).split("\n")

    def best_leaves(self):
        return [leaf.get_attribute("data-type-id") for leaf in self.driver.find_elements(
            By.CSS_SELECTOR, '[data-testid="leaf"].best')]

    def listing(self):
        """The CLI's --list: type id, make, part number, decoder class, dump size per leaf."""
        result = subprocess.run([str(ARGS.cli), "--list"], capture_output=True, text=True,
                                check=True)
        return [line.split("\t") for line in result.stdout.splitlines()]

    def sample(self, prefix):
        return next(p for p in self.samples if p.name.startswith(prefix))

    # ---- Tests ---------------------------------------------------------------------------

    def test_every_sample_reports_and_warns_as_the_cli_does(self):
        # Two samples per unit type: one with faults stored, one erased.
        classes = {row[0]: row[3] for row in self.listing()}
        self.assertEqual(len(self.samples), 2 * len(classes))
        for path in self.samples:
            with self.subTest(sample=path.name):
                type_id = sample_type_id(path)
                self.open_dump(path)
                best = self.best_leaves()
                if path.stem.endswith("_erased"):
                    # The read check warns as soon as an erased dump is open.
                    self.assertNotEqual(self.warnings(), [])
                elif best:
                    # The ranking by content puts the sample's own decoder class first.
                    self.assertEqual({classes[t] for t in best}, {classes[str(type_id)]})
                self.select_leaf(type_id)
                self.check()
                self.assertIsNone(self.message())
                page = self.report().encode("utf-8")
                cli = self.cli_report(type_id, path)
                self.assertEqual(page + b"\n" if cli else page, cli)
                self.assertEqual(self.warnings(), self.cli_warnings(type_id, path))
                if path.stem.endswith("_erased"):
                    self.assertNotEqual(self.warnings(), [])

    def test_wrong_size_is_refused_with_both_sizes(self):
        self.open_dump(self.sample("02_"))
        self.select_leaf(1, "95910-2P400")
        self.check()
        text, detail = self.message()
        self.assertEqual(text, "File size do not match")
        self.assertIn("65536 bytes", detail)
        self.assertIn("327680 bytes", detail)
        self.assertEqual(self.report(), "")

    def test_a_make_node_has_no_decoder(self):
        self.open_dump(self.sample("05_"))
        self.select_make("KIA")
        self.assertTrue(self.by_testid("check").is_enabled())
        self.assertFalse(self.by_testid("info").is_displayed())
        self.check()
        self.assertEqual(self.message(), ("Sorry. No DTC calc for this item.", ""))
        self.assertEqual(self.report(), "")

    def test_check_waits_for_a_dump_and_a_selection(self):
        self.assertFalse(self.by_testid("check").is_enabled())
        self.select_leaf(5)
        self.assertTrue(self.by_testid("info").is_displayed())
        self.assertFalse(self.by_testid("check").is_enabled())
        self.open_dump(self.sample("05_"))
        self.assertTrue(self.by_testid("check").is_enabled())

    def test_checks_accumulate_until_the_next_open(self):
        first = self.sample("05_")
        self.open_dump(first)
        self.select_leaf(5)
        self.check()
        once = self.report()
        self.assertNotEqual(once, "")
        self.check()
        self.assertEqual(self.report(), once + "\n" + once)
        self.open_dump(self.sample("04_"))
        self.assertEqual(self.report(), "")

    def test_other_sizes_are_dimmed_after_an_open(self):
        sizes = {row[0]: int(row[4]) for row in self.listing()}
        for prefix, size in [("07_", 256), ("02_", 65536)]:
            self.open_dump(self.sample(prefix))
            for leaf in self.driver.find_elements(By.CSS_SELECTOR, '[data-testid="leaf"]'):
                dimmed = "dimmed" in leaf.get_attribute("class").split()
                type_id = leaf.get_attribute("data-type-id")
                self.assertEqual(dimmed, sizes[type_id] != size, (prefix, type_id))

    def test_saved_log_is_windows_1252_with_cr_lf(self):
        path = self.sample("04_mits221_erased")
        self.open_dump(path)
        self.select_leaf(4)
        self.check()
        self.check()
        self.by_testid("save").click()
        log = self.downloads / "04_mits221_erased_error_log.txt"
        deadline = time.monotonic() + 10
        while not log.exists() and time.monotonic() < deadline:
            time.sleep(0.05)
        lines = self.cli_report(4, path).decode("utf-8").splitlines() * 2
        expected = b"".join(cp1252_bytes(line) + b"\r\n" for line in lines)
        self.assertIn(b"\xff", expected)
        self.assertEqual(log.read_bytes(), expected)

    def test_a_dropped_file_opens(self):
        path = self.sample("06_")
        self.js("""
            const bytes = Uint8Array.from(atob(arguments[0]), (c) => c.charCodeAt(0));
            const transfer = new DataTransfer();
            transfer.items.add(new File([bytes], arguments[1]));
            const target = document.getElementById('report');
            for (const type of ['dragenter', 'dragover', 'drop'])
                target.dispatchEvent(new DragEvent(type, {dataTransfer: transfer, bubbles: true,
                                                          cancelable: true}));
        """, base64.b64encode(path.read_bytes()).decode("ascii"), path.name)
        WebDriverWait(self.driver, 10).until(lambda d: self.status() == "File: " + path.name)
        self.select_leaf(6)
        self.check()
        self.assertEqual(self.report().encode("utf-8") + b"\n", self.cli_report(6, path))

    def test_a_drop_that_is_not_one_dump_changes_nothing(self):
        path = self.sample("06_")
        self.open_dump(path)
        self.select_leaf(6)
        self.check()
        report = self.report()
        drop = """
            const transfer = new DataTransfer();
            for (const [name, size] of arguments[0])
                transfer.items.add(new File([new Uint8Array(size)], name));
            document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: transfer,
                                                               bubbles: true, cancelable: true}));
        """
        self.js(drop, [["a.bin", 256], ["b.bin", 256]])
        self.assertIsNone(self.message())
        self.js(drop, [["big.bin", 16 * 1024 * 1024 + 1]])
        WebDriverWait(self.driver, 10).until(
            lambda d: self.js("return arguments[0].open", self.by_testid("message")))
        self.assertEqual(self.message(), ('Cannot open file "big.bin". The file has 16777217 '
                                          'bytes; dumps are at most 16 MiB.', ""))
        self.assertEqual(self.status(), "File: " + path.name)
        self.assertEqual(self.report(), report)

    def test_filter_narrows_the_leaves(self):
        filter_box = self.by_testid("filter")
        # Case, blanks and dashes are ignored, and the letter O reads as the digit 0.
        honda = ["77960-TLO-G913-M1", "77960-TL0-G914-M1", "77960-TL0-G920-M1"]
        cases = [("2p4", ["95910-2P400"]), ("tl0-g9", honda), ("TLOG9", honda),
                 (" 14B0", ["2M5T 14B056 BE", "2M5T 14B056 DE"]),
                 ("7e0959655c", ["7\u04150 959 655 \u0421"]), ("no such part", [])]
        for typed, expected in cases:
            with self.subTest(filter=typed):
                filter_box.clear()
                filter_box.send_keys(typed)
                shown = [leaf.text for leaf in self.driver.find_elements(
                    By.CSS_SELECTOR, '[data-testid="leaf"]') if leaf.is_displayed()]
                self.assertEqual(shown, expected)
        filter_box.clear()
        filter_box.send_keys("x")
        filter_box.send_keys(Keys.BACKSPACE)
        leaves = self.driver.find_elements(By.CSS_SELECTOR, '[data-testid="leaf"]')
        self.assertEqual(len(leaves), len(self.listing()))
        self.assertFalse(any(leaf.get_attribute("hidden") for leaf in leaves))

    def test_keyboard_alone_checks_a_dump(self):
        path = self.sample("01_ecu2p400.bin")
        self.open_dump(path)
        filter_box = self.by_testid("filter")
        filter_box.send_keys("95910 2p4OO", Keys.ENTER)
        focused = self.driver.switch_to.active_element
        self.assertEqual(focused.get_attribute("data-type-id"), "1")
        focused.send_keys(Keys.ENTER)
        once = self.report()
        self.assertEqual(once.encode("utf-8") + b"\n", self.cli_report(1, path))
        focused.send_keys(Keys.CONTROL, "d")
        self.assertEqual(self.report(), once + "\n" + once)
        focused.send_keys(Keys.ARROW_UP)
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("data-make"), "KIA")

    def test_everything_fits_a_small_desktop_and_a_tablet(self):
        for width, height, tablet in [(1024, 768, False), (768, 1024, True), (1024, 768, True)]:
            with self.subTest(width=width, height=height, tablet=tablet):
                self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": width, "height": height, "deviceScaleFactor": 1, "mobile": tablet})
                self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                            {"enabled": tablet})
                try:
                    self.headless.load(self.driver, self.address)
                    layout = self.js("""
                        const inView = (e) => { const r = e.getBoundingClientRect();
                            return r.left >= 0 && r.top >= 0 && r.right <= innerWidth &&
                                   r.bottom <= innerHeight && r.width > 0 && r.height > 0; };
                        const controls = [...document.querySelectorAll('.toolbar button'),
                            ...['filter', 'tree', 'report', 'hex', 'status'].map(
                                (id) => document.getElementById(id))];
                        return {overflow: document.documentElement.scrollWidth > innerWidth,
                                outside: controls.filter((e) => !inView(e)).map((e) => e.id),
                                report: document.getElementById('report').clientWidth,
                                smallest: Math.min(...[...document.querySelectorAll(
                                    '.toolbar button, .make > .label')].map(
                                    (e) => e.getBoundingClientRect().height))};""")
                    self.assertFalse(layout["overflow"])
                    self.assertEqual(layout["outside"], [])
                    self.assertGreaterEqual(layout["report"], 480)
                    # Big enough to hit with a finger.
                    self.assertGreaterEqual(layout["smallest"], 28)
                finally:
                    self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
                    self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                                {"enabled": False})

    def test_hex_view_shows_the_dump_and_tells_a_clicked_byte(self):
        path = self.sample("07_")
        self.open_dump(path)
        rows = self.driver.find_elements(By.CSS_SELECTOR, ".hex-row")
        self.assertGreater(len(rows), 0)
        first = rows[0].find_elements(By.CSS_SELECTOR, ".byte")
        self.assertEqual([b.text for b in first], [f"{b:02X}" for b in path.read_bytes()[:16]])
        first[3].click()
        self.assertEqual(self.status(), f"Offset 0x3: 0x{path.read_bytes()[3]:02X}")

    def test_hex_view_pages_through_the_largest_dump(self):
        toggle = self.driver.find_element(By.ID, "hex-toggle")
        toggle.click()  # hidden while the dump opens, shown afterwards
        path = self.sample("01_ecu2p400.bin")
        self.open_dump(path)
        toggle.click()
        hex_view = self.by_testid("hex")
        offsets = lambda: [e.text for e in hex_view.find_elements(By.CSS_SELECTOR, ".offset")]
        self.assertEqual(offsets()[0], "00000000")
        self.js("arguments[0].scrollTop = arguments[0].scrollHeight", hex_view)
        WebDriverWait(self.driver, 5).until(lambda d: offsets()[-1:] == ["0004FFF0"])
        self.assertLess(len(offsets()), 100)
        last = hex_view.find_elements(By.CSS_SELECTOR, ".hex-row")[-1]
        self.assertEqual([b.text for b in last.find_elements(By.CSS_SELECTOR, ".byte")],
                         [f"{b:02X}" for b in path.read_bytes()[-16:]])

    def test_a_report_line_lights_its_bytes_and_a_byte_marks_its_lines(self):
        path = self.sample("19_")
        data = path.read_bytes()
        self.open_dump(path)
        self.select_leaf(19)
        self.check()
        explained = subprocess.run([str(ARGS.cli), "--json", "19", str(path)],
                                   capture_output=True, check=True).stdout
        # The CLI gives ranges per entry; each of the entry's lines in the pane carries them.
        line_ranges = []
        for entry in json.loads(explained)["lines"]:
            line_ranges += [entry["ranges"]] * (entry["text"].count("\n") + 1)
        lines = self.driver.find_elements(By.CSS_SELECTOR, '[data-testid="report"] .line')
        self.assertEqual(len(lines), len(line_ranges))
        self.assertEqual([line.get_attribute("title") for line in lines],
                         ["Dump bytes: " + (", ".join(f"0x{a:X}-0x{b:X}" for a, b in ranges)
                                            or "none") for ranges in line_ranges])

        # The last line with ranges of its own: its bytes lie away from the top of the dump.
        chosen = max(i for i, ranges in enumerate(line_ranges)
                     if ranges and lines[i].get_attribute("textContent").strip())
        lines[chosen].click()
        # The hex view scrolled to the bytes; its rows are painted again on the next frame.
        lit = set(self.driver.execute_async_script(
            "const done = arguments[0];"
            "requestAnimationFrame(() => requestAnimationFrame(() => done(Array.from("
            "document.querySelectorAll('.byte.lit'), (b) => Number(b.dataset.offset)))));"))
        first = line_ranges[chosen][0][0]
        self.assertIn(first, lit)
        self.assertTrue(all(any(a <= offset <= b for a, b in line_ranges[chosen])
                            for offset in lit))

        self.driver.find_element(By.CSS_SELECTOR, f'.byte[data-offset="{first}"]').click()
        self.assertEqual(self.status(), f"Offset 0x{first:X}: 0x{data[first]:02X}")
        marked = [int(line.get_attribute("data-line"))
                  for line in self.driver.find_elements(By.CSS_SELECTOR, ".line.selected")]
        self.assertEqual(marked, [i for i, ranges in enumerate(line_ranges)
                                  if any(a <= first <= b for a, b in ranges)])
        self.assertIn(chosen, marked)

    def test_compare_tells_whether_two_reads_differ(self):
        path = self.sample("07_")
        self.open_dump(path)
        other = self.work / "other.bin"
        other.write_bytes(bytes([path.read_bytes()[0] ^ 1]) + path.read_bytes()[1:])
        for read, expected in [(path, "The reads are identical (256 bytes)."),
                               (other, "The reads differ in 1 of 256 bytes.\n"
                                       "First differing offset: 0x0000")]:
            self.by_testid("compare-input").send_keys(str(read))
            WebDriverWait(self.driver, 10).until(
                lambda d: self.js("return arguments[0].open", self.by_testid("message")))
            text, _ = self.message()
            self.assertEqual(text, expected)

    def test_about_names_the_product_and_its_addresses(self):
        product = (ARGS.source / "decoders" / "Product.h").read_text()
        web = re.search(r'kWebAddress\[\] = "([^"]+)"', product).group(1)
        mail = re.search(r'FAULTWISE_CONTACT_EMAIL "([^"]+)"', product).group(1)
        self.by_testid("about-open").click()
        about = self.by_testid("about").text
        self.assertIn("Faultwise", about)
        self.assertIn(web, about)
        self.assertIn(mail, about)

    def test_nothing_is_fetched_after_load(self):
        self.driver.get_log("performance")  # what loading the page requested
        loaded = self.js("return performance.getEntriesByType('resource').map(r => r.name)")
        policy = self.js("return document.querySelector("
                         "'meta[http-equiv=Content-Security-Policy]').content")
        self.assertIn("connect-src 'none'", policy)
        path = self.sample("01_ecu2p400.bin")
        self.open_dump(path)
        self.select_leaf(1)
        self.check()
        self.by_testid("save").click()
        self.by_testid("compare-input").send_keys(str(path))
        WebDriverWait(self.driver, 10).until(
            lambda d: self.js("return arguments[0].open", self.by_testid("message")))
        self.message()
        self.by_testid("filter").send_keys("95910")
        requests = [entry for entry in self.driver.get_log("performance")
                    if '"Network.requestWillBeSent"' in entry["message"]]
        urls = [re.search(r'"url":"([^"]*)"', r["message"]).group(1) for r in requests]
        # The saved log is a download of a blob: made in the page; nothing else may appear.
        self.assertEqual([u for u in urls if not u.startswith("blob:")], [])
        self.assertEqual(
            self.js("return performance.getEntriesByType('resource').map(r => r.name)"), loaded)
        # And the page's policy refuses a connection even when asked for one.
        fetched = self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            fetch(location.href).then(() => done('fetched'), () => done('refused'));""")
        self.assertEqual(fetched, "refused")


def main():
    global ARGS
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--form", choices=["folder", "single"], required=True)
    parser.add_argument("--folder", type=pathlib.Path, required=True, help="build/web")
    parser.add_argument("--single", type=pathlib.Path, required=True, help="faultwise.html")
    parser.add_argument("--cli", type=pathlib.Path, required=True, help="faultwise-cli")
    parser.add_argument("--samples", type=pathlib.Path, required=True)
    parser.add_argument("--source", type=pathlib.Path, required=True, help="the source tree")
    parser.add_argument("--tools", type=pathlib.Path, required=True, help="web/tools")
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
