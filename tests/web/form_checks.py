"""The page's form and charts in the browser: its words, the band picker
and the free list, the fields that stand only where they apply, the Smith
chart's section and its loads' readouts. Each check takes a Page of
test_page.py and the address of the design it starts from."""

import json
import os
import re
import tempfile
import time

from selenium.webdriver.support.ui import Select

# What the page says nowhere but in its command-line box: option names, the
# dialog's prompt numbers, the word for an option.
COMMAND_WORDS = re.compile(r"--[a-z]|\bключ|запрос \d|prompt \d|\boptions?\b")
# The program's own outputs the page shows as they are: the command line, the
# readable table, the JSON text.
VERBATIM = ("command-line", "table", "result-json")


def check_plain_words(page, query):
    """Every text of the page, its help opened and its sections, in both
    languages: no option name, prompt number or word for an option."""
    for lang in ("ru", "en"):
        page.open(query + "&lang=" + lang)
        page.driver.execute_script(  # the sections' bodies come in as they open
            "for (const b of document.querySelectorAll('button.help')) b.click();"
            "for (const d of document.querySelectorAll('details')) d.open = true;")
        text = page.driver.execute_script(
            "const kept = arguments[0].map((id) => document.getElementById(id));"
            "kept.forEach((e) => { e.hidden = true; });"
            "const text = document.body.innerText;"
            "kept.forEach((e) => { e.hidden = false; });"
            "return text;", list(VERBATIM))
        found = sorted(set(COMMAND_WORDS.findall(text)))
        assert not found, f"{lang}: the page speaks the command line: {found}"
    print("ok   the form and the results speak plain words in both languages")


def set_bands(page, bands, typed):
    page.driver.execute_script(
        "for (const t of document.querySelectorAll('#fields input[name=band]'))"
        " t.checked = arguments[0].includes(t.value);", bands)
    field = page.by_id("field-freq")
    field.clear()
    field.send_keys(typed)


def frequencies_of(command):
    words = command.split()
    for option in ("--freq", "--bands"):
        if option in words:
            rest = words[words.index(option) + 1:]
            return [option] + [w for w in rest[:next((i for i, w in enumerate(rest)
                                                      if w.startswith("--")), len(rest))]]
    return []


def check_frequencies(page, query):
    """The band picker and the free list make one list of frequencies: in
    order, each once, a comma between digits a decimal comma."""
    hf = ["1.85", "3.6", "7.1", "10.12", "14.15", "18.1", "21.2", "24.93", "28.5"]
    cases = [
        ([], "7.1, 14,2; 21.2  3,6", None, ["--freq", "3,6", "7.1", "14,2", "21.2"]),
        (["40"], "7.05", None, ["--freq", "7.05", "7.1"]),
        (["20"], "14.15", None, ["--freq", "14.15"]),
        ([], "", "hf", ["--freq"] + hf),
        ([], "", "all", ["--bands", "ham"]),
    ]
    page.open(query)
    for bands, typed, button, expected in cases:
        set_bands(page, bands, typed)
        if button:
            page.driver.find_element("css selector", f"button[data-pick={button}]").click()
        page.driver.execute_script("document.getElementById('form').requestSubmit()")
        got = frequencies_of(page.text("command-line"))
        assert got == expected and page.text("errors") == "", f"{bands} {typed!r}: {got}"
    set_bands(page, [], "")
    page.driver.execute_script("document.getElementById('form').requestSubmit()")
    assert page.text("message-freq") != "", "no frequency: no message under the list"
    print("ok   the band picker and the free list make the frequencies")


def check_fields_shown(page, query):
    """Rm only with the Pi-L, the choke only with the shunt feed, Q0 from the
    coil only once the coil is given; a message under the field that is wrong."""
    page.open(query)
    shown = lambda name: page.by_id("block-" + name).is_displayed()
    assert not shown("r-mid") and shown("choke-turns")
    Select(page.by_id("field-network")).select_by_value("pi-l")
    Select(page.by_id("field-feed")).select_by_value("series")
    page.wait_for(lambda: shown("r-mid") and not shown("choke-turns"))
    coil = page.by_id("mode-q0-coil")
    assert not coil.is_enabled(), "Q0 from the coil without a coil"
    for name, value in (("coil-diameter", "50"), ("wire", "2")):
        page.by_id("field-" + name).send_keys(value)
    page.wait_for(lambda: page.text("message-pitch") != "")
    assert page.text("label-pitch") in page.text("message-pitch")
    assert page.text("message-coil-diameter") == "" and page.text("message-wire") == ""
    page.by_id("field-pitch").send_keys("4")
    page.wait_for(lambda: coil.is_enabled())
    coil.click()
    page.wait_for(lambda: "--q0 coil" in page.text("command-line"))
    print("ok   Rm, the choke and Q0 from the coil stand where they apply; a message under its field")


def check_smith(page, query):
    """The Smith chart in a section of its own with its own frequency and
    Save SVG; each load of the circle focusable, its readout the JSON's load."""
    folder = tempfile.mkdtemp()
    page.driver.execute_cdp_cmd("Page.setDownloadBehavior",
                                {"behavior": "allow", "downloadPath": folder})
    page.open(query)
    doc = json.loads(page.json())
    points = doc["designs"][0]["pi_l"]["load_range"]["points"]
    section = page.by_id("smith-section")
    section.find_element("css selector", "summary").click()
    page.wait_for(lambda: page.driver.execute_script("return !!document.querySelector('#smith #load-40')"))
    assert section.find_element("css selector", "summary").text == page.text("smith-heading")
    for k in (0, 17, 40):
        page.driver.execute_script(f"document.querySelector('#smith #load-{k}').focus()")
        readout = page.text("smith-readout")
        p = points[k]
        assert page.driver.execute_script("return document.activeElement.id") == f"load-{k}"
        assert f"{p['r_ohm']:.1f}" in readout and f"{abs(p['x_ohm']):.1f}" in readout, readout
        if p["matched"]:
            c1, c2 = re.search(r"[СC]1 (\S+) .*[СC]2 (\S+) ", readout).groups()
            assert (c1, c2) == (f"{p['c1_total_pf']:.1f}", f"{p['c2_pf']:.1f}"), readout
    page.by_id("save-smith").click()
    name = os.path.join(folder, "valvenet-plan-smith-" + Select(page.by_id("smith-at")).first_selected_option.text + ".svg")
    page.wait_for(lambda: os.path.exists(name) and os.path.getsize(name) > 0)
    time.sleep(0.2)
    with open(name, encoding="utf-8") as f:
        assert 'id="swr-circle"' in f.read(), "Save SVG of the Smith chart saved another drawing"
    width = page.driver.execute_script(
        "return [document.querySelector('#smith svg').getBoundingClientRect().width,"
        " document.getElementById('smith').clientWidth]")
    assert width[0] <= width[1] + 1, f"the chart is wider than its box: {width}"
    print("ok   the Smith chart: its own section, Save SVG and a readout of each load")


def check_accessibility(page, query, axe_path):
    """axe-core over the page with its results, every section and help
    opened, in both languages: no serious or critical violation; every
    control shows a focus ring when focused from the keyboard."""
    with open(axe_path, encoding="utf-8") as f:
        axe = f.read()
    for lang in ("ru", "en"):
        page.open(query + "&lang=" + lang)
        page.driver.execute_script(
            "for (const b of document.querySelectorAll('button.help')) b.click();"
            "for (const d of document.querySelectorAll('details')) d.open = true;")
        page.driver.execute_script(axe)
        page.driver.set_script_timeout(60)
        found = page.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "axe.run(document).then((r) => done(r.violations.map((v) =>"
            " [v.id, v.impact, v.nodes.length, v.nodes[0].target.join(' ')])));")
        bad = [v for v in found if v[1] in ("serious", "critical")]
        assert not bad, f"{lang}: axe-core: {bad}"
    unringed = page.driver.execute_script(
        "const out = [];"
        "for (const e of document.querySelectorAll('input:not([type=file]), select, button, summary, [tabindex]')) {"
        "  if (e.disabled || !e.getClientRects().length) continue;"
        "  e.focus(); const s = getComputedStyle(e);"
        "  if (document.activeElement === e && s.outlineStyle === 'none' && s.boxShadow === 'none')"
        "    out.push(e.id || e.outerHTML.slice(0, 60));"
        "}"
        "return out;")
    assert not unringed, f"controls without a visible focus: {unringed[:5]}"
    print(f"ok   axe-core: no serious or critical violation; {len(found)} lesser kinds; every control shows its focus")
