#!/usr/bin/python3
"""The page in a real headless Chromium, against the native valvenet-plan.

usage: test_page.py PAGE_FOLDER VALVENET_PLAN

Every command line of CASES is opened as the page's address (file://) and
its #result-json must be what `valvenet-plan ... --format json` prints:
byte for byte, or, where WebAssembly's float functions round differently
from glibc's, with the same structure and every number within four
significant digits. Then a bad value, the language switch, Open JSON and the
saves (JSON, CSV, table) against the program's formats, the tables against the
JSON, the form (form_checks.py), the sections, paper, the plate choke, a phone
and the speed of a recompute (result_checks.py); every request the page makes
must stay inside PAGE_FOLDER.
"""

import json
import os
import re
import subprocess
import sys
import tempfile
import time
import urllib.parse

import form_checks
import result_checks
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import Select, WebDriverWait

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
# The network is closed: nothing of the browser's own may try to reach out.
CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
]
WIDE, NARROW = 1280, 360  # px, the screenshots' widths
WINDOW_HEIGHT = 1000  # px
WAIT_S = 20  # for the engine to start and a recompute to show
FOUR_DIGITS = 5e-4  # half a unit in the fourth significant digit
# Below this magnitude a number stands for an ideal zero and its digits are
# rounding noise: the 2nd harmonic of a 180-degree pulse (about 7e-8 of it)
# and the power it carries (about 7e-12 mW), |S11| at f (about 2e-7).
NOISE_FLOOR = 1e-6
EXAMPLE = ["--p-out", "400", "--e-supply", "2500", "--r-load", "50", "--exponent", "1.5",
           "--angle", "80", "--q0", "200", "--u-min", "250", "--filter-db", "45",
           "--c-tube", "12", "--c-var-min", "8"]
COIL = ["--coil-diameter", "50", "--wire", "2", "--pitch", "4"]
CAPACITORS = ["--c1-max", "250", "--c2-range", "20:1000"]
TEN_BANDS = EXAMPLE + ["--bands", "ham", "--feed", "series", "--margin", "2.5"] + COIL + CAPACITORS
# The builder of a 1 kW amplifier on every ham band, with the coil, the variables and an SWR of 3.
KILOWATT = ["--p-out", "1000", "--e-supply", "2800", *EXAMPLE[4:16], "--c-tube", "15",
            "--c-var-min", "8", "--bands", "ham", *COIL, "--c1-max", "1000", "--c2-range", "50:6000",
            "--swr", "3"]
CHOKE = {"choke-diameter": "20", "choke-wire": "0.5", "choke-pitch": "0.6", "choke-turns": "150"}

CASES = {
    "pi, ham bands": EXAMPLE + ["--bands", "ham"],
    "pi, parts, english": EXAMPLE + ["--freq", "3.6", "7.1", "14.15", "28.5"] + COIL + CAPACITORS
    + ["--lang", "en"],
    "pi-l": [*EXAMPLE[:15], "55", *EXAMPLE[16:], "--freq", "14.2", "--network", "pi-l"],
    "pi-l, rm, parts, english": EXAMPLE + ["--freq", "3.6", "7.1", "--network", "pi-l",
                                           "--r-mid", "300", "--lang", "en"] + COIL,
    "raise-q, series feed": EXAMPLE + ["--freq", "1.85", "21.2", "--raise-q", "--feed", "series",
                                       "--margin", "3"],
    "refused": ["--p-out", "1", "--e-supply", "10000", "--r-load", "1", *EXAMPLE[6:],
                "--freq", "3.6", "7.1"],
    "180 degrees, english": [*EXAMPLE[:6], "--exponent", "1", "--angle", "180",
                             *EXAMPLE[10:], "--freq", "7.1", "--lang", "en"],
    "hot capacitance below the minimum": [*EXAMPLE[:16], "--c-tube", "40", "--c-var-min", "30",
                                          "--freq", "28.5", "50.1"],
    "ten bands, parts": TEN_BANDS,
    "pi-l, swr 2, parts, english": EXAMPLE + ["--freq", "7.1", "--network", "pi-l", "--swr", "2"]
    + COIL + CAPACITORS + ["--lang", "en"],
}

NUMBER = re.compile(r"[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?")
KEY = re.compile(r'"(\w+)":')
CYRILLIC = re.compile("[\u0400-\u04ff]")



def native(plan, args, output="json"):
    done = subprocess.run([plan, *args, "--format", output], capture_output=True, check=False)
    return done.stdout.decode(), done.stderr.decode(), done.returncode


def query_of(args):
    """The page's address for a command line: fields named as the options."""
    params, name = [], None
    for a in args:
        if a.startswith("--"):
            name = a[2:]
            params.append((name, "1"))
        else:
            if params and params[-1] == (name, "1"):
                params.pop()
            params.append((name, a))
    return "?" + urllib.parse.urlencode(params)


def compare(expected, actual):
    """(exact, the JSON keys of the differing numbers, largest relative
    difference), or an AssertionError for a difference beyond rounding."""
    if expected == actual:
        return True, [], 0.0
    e_parts, a_parts = NUMBER.split(expected), NUMBER.split(actual)
    e_numbers, a_numbers = NUMBER.findall(expected), NUMBER.findall(actual)
    assert e_parts == a_parts and len(e_numbers) == len(a_numbers), "the structure differs"
    keys, largest = [], 0.0
    for i, (e, a) in enumerate(zip(e_numbers, a_numbers)):
        if e == a:
            continue
        x, y = float(e), float(a)
        relative = abs(x - y) / max(abs(x), abs(y))
        keys_before = KEY.findall("".join(e_parts[: i + 1]))  # none in a CSV or a table
        key = keys_before[-1] if keys_before else f"number {i}"
        noise = max(abs(x), abs(y)) < NOISE_FLOOR
        assert relative <= FOUR_DIGITS or noise, f"{key}: {e} against {a}"
        keys.append(key)
        largest = max(largest, relative)
    return False, keys, largest


class Page:
    def __init__(self, folder):
        self.folder = os.path.abspath(folder)
        self.base = "file://" + self.folder + "/index.html"
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + tempfile.mkdtemp(),
                                      f"--window-size={WIDE},{WINDOW_HEIGHT}"]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        self.requests = []
        self.driver.get_log("performance")  # the browser's own start-up pages

    def by_id(self, name):
        return self.driver.find_element("id", name)

    def text(self, name):
        return self.by_id(name).get_attribute("textContent")

    def open(self, query=""):
        self.driver.get(self.base + query)
        WebDriverWait(self.driver, WAIT_S).until(lambda d: self.text("compute-ms") != "")
        self.record_requests()

    def json(self):
        """The JSON text of the results, made when its section opens."""
        self.driver.execute_script("document.getElementById('json-section').open = true")
        self.wait_for(lambda: self.text("result-json") != "")
        return self.text("result-json")

    def wait_for(self, condition):
        WebDriverWait(self.driver, WAIT_S).until(lambda d: condition())

    def record_requests(self):
        """Every request of the page's documents (the browser's own internal
        pages, chrome://, are not the page's)."""
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] != "Network.requestWillBeSent":
                continue
            params = message["params"]
            if not params.get("documentURL", "").startswith("chrome://"):
                self.requests.append(params["request"]["url"])

    def outside(self):
        inside = ("file://" + self.folder + "/", "data:", "blob:", "about:")
        return [u for u in self.requests if not u.startswith(inside)]

    def screenshot(self, width, path):
        self.driver.set_window_size(width, WINDOW_HEIGHT)
        time.sleep(1)  # the page recomputes the table for its new width
        height = self.driver.execute_script("return document.body.scrollHeight")
        self.driver.set_window_size(width, min(height, 4 * WINDOW_HEIGHT))
        time.sleep(1)
        self.driver.save_screenshot(path)
        self.driver.set_window_size(WIDE, WINDOW_HEIGHT)


def check_cases(page, plan):
    numbers, differing = 0, []
    for name, args in CASES.items():
        expected, _, status = native(plan, args)
        assert status == 0, f"{name}: valvenet-plan exits with {status}"
        page.open(query_of(args))
        exact, keys, largest = compare(expected, page.json())
        numbers += len(NUMBER.findall(expected))
        differing += keys
        how = "byte for byte" if exact else f"{len(keys)} numbers differ, at most {largest:.1e}"
        print(f"ok   {name}: {how}; compute-ms {page.text('compute-ms')}")
    print(f"     {len(differing)} of {numbers} numbers differ: {sorted(set(differing))}")


def check_bad_value(page, plan):
    page.open(query_of(CASES["pi, ham bands"]))
    before = page.json()
    field = page.by_id("field-p-out")
    field.clear()
    field.send_keys("12x")
    page.wait_for(lambda: page.text("message-p-out") != "")
    _, err, status = native(plan, ["--p-out", "12x", *EXAMPLE[2:], "--bands", "ham"])
    # The program's message, the field named by its label.
    label = "«" + page.text("label-p-out") + "»"
    expected = err.splitlines()[0].split(": ", 1)[1].replace("--p-out", label)
    assert status == 2 and page.text("message-p-out") == expected, page.text("message-p-out")
    assert expected in page.text("errors"), page.text("errors")
    assert page.json() == before, "the last results were replaced"
    assert "stale" in page.by_id("current").get_attribute("class")
    assert page.by_id("not-current").is_displayed()
    page.wait_for(lambda: "p-out=12x" in page.driver.current_url)  # written once painted
    field.clear()
    field.send_keys("400")
    page.wait_for(lambda: page.text("errors") == "")
    assert page.json() == before and not page.by_id("not-current").is_displayed()
    print("ok   a bad value shows its message and keeps the last results")


def visible_text(page):
    """The page's text but the language switch, whose languages are named in themselves."""
    return page.driver.execute_script(
        "const s = document.getElementById('field-lang'); s.hidden = true;"
        "const text = document.body.innerText; s.hidden = false; return text;")


def check_language(page, plan):
    args = CASES["pi, parts, english"][:-2]
    page.open(query_of(args))
    russian = visible_text(page)
    assert CYRILLIC.search(russian)
    Select(page.by_id("field-lang")).select_by_value("en")
    page.wait_for(lambda: "lang=en" in page.driver.current_url)
    english = visible_text(page)
    left = sorted(set(CYRILLIC.findall(english)))
    assert not left, f"Russian left after the switch: {left}"
    expected, _, _ = native(plan, args + ["--lang", "en"])
    compare(expected, page.json())
    print("ok   the language switch changes every text")


def check_open_json(page, plan):
    args = CASES["pi-l, rm, parts, english"]
    saved, _, _ = native(plan, args)
    with tempfile.NamedTemporaryFile("w", suffix=".json", delete=False) as f:
        f.write(saved)
    page.open("?lang=en")  # the file holds the inputs, not the language of its texts
    page.by_id("open-json").send_keys(f.name)
    page.wait_for(lambda: page.text("opened") != "")
    compare(saved, page.json())
    page.wait_for(lambda: all(v in page.driver.current_url for v in ("300", "50", "pi-l")))
    os.unlink(f.name)
    print("ok   Open JSON of a saved file gives the same design")


def check_saves(page, plan):
    """Save JSON, Save CSV and Save table download what the program prints."""
    args = CASES["pi-l, swr 2, parts, english"]
    folder = tempfile.mkdtemp()
    page.driver.execute_cdp_cmd("Page.setDownloadBehavior",
                                {"behavior": "allow", "downloadPath": folder})
    page.open(query_of(args))
    for button, output, name in (("save-json", "json", "valvenet-plan.json"),
                                 ("save-csv", "csv", "valvenet-plan.csv"),
                                 ("save-table", "table", "valvenet-plan.txt")):
        path = os.path.join(folder, name)
        page.by_id(button).click()
        page.wait_for(lambda: os.path.exists(path) and os.path.getsize(path) > 0)
        time.sleep(0.2)  # the download's last bytes
        with open(path, encoding="utf-8") as f:
            compare(native(plan, args, output)[0], f.read())
    print("ok   Save JSON, Save CSV and Save table give what valvenet-plan prints")


def value_at(design, key):
    """The JSON value of a summary row's data-key in a design (or its circle)."""
    group, _, name = key.rpartition(".")
    for holder in (design.get(group) if group else design, design.get("load_range")):
        if isinstance(holder, dict) and name in holder:
            return holder[name]
    return "missing"


def check_tables(page, plan):
    """The answers' table: every cell the JSON's value in the table's form,
    each band's header its frequency; the status; the command line's design."""
    for name in ("pi, parts, english", "refused", "ten bands, parts", "pi-l, swr 2, parts, english"):
        args = CASES[name]
        page.open(query_of(args))
        doc = json.loads(page.json())
        heads = page.driver.find_elements("css selector", "#summary thead th[data-f-mhz]")
        assert [float(h.get_attribute("data-f-mhz")) for h in heads] == \
            [d["f_mhz"] for d in doc["designs"]], name
        network = [d.get("pi_l", d) if doc["network"] == "pi-l" else d for d in doc["designs"]]
        for row in page.driver.find_elements("css selector", "#summary tbody tr"):
            key = row.get_attribute("data-key")
            cells = [c.text for c in row.find_elements("css selector", "td")]
            for design, text in zip(network, cells):
                value = value_at(design, key)
                if value in (None, "missing") or text == "—":
                    assert text == "—" or value == "missing", f"{name} {key}: {text} for {value}"
                    continue
                places = len(text.split(".")[1]) if "." in text else 0
                assert abs(float(text) - value) <= 0.5 * 10 ** -places * 1.0001 + 1e-9, \
                    f"{name} {key}: {text} for {value}"
        assert page.text("status"), "no status after a recompute"
        command = page.text("command-line").split()
        assert command[0] == "valvenet-plan"
        expected, _, status = native(plan, [a.strip("'") for a in command[1:]])
        assert status == 0
        compare(expected, page.json())
    print("ok   the answers' table holds the JSON's values; the command line gives the same design")


def check_links(page, plan):
    """A link with some values takes the rest from the example and says so; a
    bad value in a link shows the form with that field's message, no skeleton."""
    page.open("?p-out=500")
    page.wait_for(lambda: page.by_id("filled").is_displayed())
    example = EXAMPLE[:1] + ["500"] + EXAMPLE[2:] + ["--bands", "ham"]
    compare(native(plan, example)[0], page.json())
    page.open("?" + urllib.parse.urlencode([("p-out", "abc")]))
    page.wait_for(lambda: page.text("message-p-out") != "")
    assert not page.by_id("current").is_displayed(), "headings without results"
    print("ok   a partial link takes the example's values; a bad one shows its field's message")


def main(folder, plan):
    page = Page(folder)
    try:
        check_cases(page, plan)
        check_bad_value(page, plan)
        check_language(page, plan)
        check_open_json(page, plan)
        check_saves(page, plan)
        check_tables(page, plan)
        check_links(page, plan)
        form_checks.check_plain_words(page, query_of(TEN_BANDS + ["--swr", "2", "--network", "pi-l"]))
        form_checks.check_frequencies(page, query_of(EXAMPLE + ["--bands", "ham"]))
        form_checks.check_fields_shown(page, query_of(EXAMPLE + ["--bands", "ham"]))
        form_checks.check_smith(page, query_of(CASES["pi-l, swr 2, parts, english"]))
        form_checks.check_accessibility(page, query_of(TEN_BANDS + ["--swr", "2"]),
                                        os.environ.get("AXE_JS", "build/node/node_modules/axe-core/axe.min.js"))
        result_checks.check_sections(page, query_of(CASES["pi, parts, english"][:-2] + ["--swr", "2"]))
        result_checks.check_print(page, query_of(TEN_BANDS + ["--swr", "2"]))
        result_checks.check_choke(page, query_of(EXAMPLE + ["--bands", "ham"]), CHOKE)
        result_checks.check_phone(page, query_of(TEN_BANDS + ["--swr", "2"]))
        result_checks.check_speed(page, plan, KILOWATT, query_of(KILOWATT))
        shots = os.path.join(os.path.dirname(os.path.abspath(folder)), "web-screenshots")
        os.makedirs(shots, exist_ok=True)
        page.open(query_of(CASES["pi, parts, english"][:-2]))
        for width in (WIDE, NARROW):
            page.screenshot(width, os.path.join(shots, f"page-{width}.png"))
        print(f"     screenshots in {shots}")
        page.record_requests()
        outside = page.outside()
        assert not outside, f"requests outside the folder: {outside}"
        print(f"ok   {len(page.requests)} requests, none outside the folder")
    finally:
        page.driver.quit()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
