// The page: the form (form.js), the engine's results as the user types.
// Every text, option and range comes from the engine (valvenet.js); this
// script only arranges them. What is large (the JSON text, the readable
// table, the charts) is made only when it is shown, saved or read.
"use strict";

(() => {
  // The pause after the last keystroke before a recompute, ms: short enough
  // to feel immediate, long enough not to compute half-typed numbers.
  const TYPING_PAUSE_MS = 300;
  // Characters of the table's width measured at once, for a steadier mean.
  const MEASURE_CHARS = 40;
  // The file names of the saved results.
  const SAVED_NAME = "valvenet-plan";
  // Digits of a load's readout: ohm and pF to a tenth, as the tables write them.
  const READOUT_DECIMALS = 1;
  // The parameter of the address that names each open section, by its id.
  const OPEN_PARAM = "open";
  const sections = window.valvenetSections;

  const fields = window.valvenetForm;
  let engine = null;
  let form = null;  // the engine's description of the form, in `lang`
  let lang = "ru";
  let timer = 0;
  let last = null;  // the last good result
  let lastArgs = [];  // the arguments of the last recompute
  const at = { plot: 0, smith: 0 };  // the frequency of each chart
  let lastValues = {};  // the form's values of the last recompute, for the address
  let addressDue = false;  // the address waits for the results to be painted

  const $ = (id) => document.getElementById(id);

  const element = fields.element;  // the form's maker of elements

  function fill(pattern, ...values) {
    return values.reduce((text, v, i) => text.replace("%" + (i + 1), v), pattern);
  }

  function setTexts() {
    const p = form.page;
    document.documentElement.lang = lang;
    document.title = p.title;
    const texts = {
      title: p.title, intro: p.intro, "language-label": p.language, "form-heading": p.form,
      "results-heading": p.results, "errors-heading": p.errors, "not-current": p.not_current,
      "save-json": p.save_json, "save-csv": p.save_csv, "save-table": p.save_table,
      "save-svg": p.save_svg, "save-smith": p.save_svg, "open-json-label": p.open_json,
      "plot-heading": p.plot, "plot-at-label": p.plot_at, "smith-heading": p.smith,
      "smith-at-label": p.smith_at, "table-heading": p.table, "json-heading": p.json,
      "compute-label": p.compute_ms, "command-heading": p.command_line,
      "copy-command": p.copy_command, "copy-link": p.copy_link,
    };
    for (const [id, text] of Object.entries(texts)) $(id).textContent = text;
  }

  function buildLanguageSwitch() {
    const select = $("field-lang");
    select.replaceChildren();
    for (const c of form.language.choices) select.append(element("option", { value: c.value }, c.label));
    select.value = lang;
  }

  function loadForm(newLang) {
    const kept = form ? fields.read() : null;
    lang = newLang;
    form = JSON.parse(engine.form(lang));
    setTexts();
    fields.build(form);
    buildLanguageSwitch();
    if (kept) fields.write(kept);
  }

  // --- The address ------------------------------------------------------

  function valuesOfAddress(params) {
    const values = {};
    for (const f of fields.fields()) {
      const given = params.getAll(f.name);
      if (given.length) values[f.name] = given;
    }
    return values;
  }

  function writeAddress(values) {
    const params = new URLSearchParams();
    for (const [name, list] of Object.entries(values)) {
      for (const v of list) params.append(name, v);
    }
    if (lang !== form.language.choices[0].value) params.append(form.language.name, lang);
    for (const id of sections.opened) params.append(OPEN_PARAM, id);
    const query = params.toString();
    // The browser takes a while to change the address: not when it stands.
    if (query === location.search.slice(1)) return;
    history.replaceState(null, "", query ? "?" + query : location.pathname);
  }

  // The browser takes a while over an address: it is written once the
  // results are on the screen (and at once before the link is copied).
  function writeAddressLater() {
    if (addressDue) return;
    addressDue = true;
    requestAnimationFrame(() => setTimeout(() => {
      addressDue = false;
      writeAddress(lastValues);
    }, 0));
  }

  // The values of a list of arguments (the engine's example).
  function valuesOfArguments(args) {
    const values = {};
    let name = null;
    for (const a of args) {
      if (a.startsWith("--")) {
        name = a.slice(2);
        values[name] = values[name] || [];
      } else if (name) {
        values[name].push(a);
      }
    }
    return values;
  }

  // --- Results ----------------------------------------------------------

  // The characters per line of the table as it is shown.
  function tableWidth() {
    const pre = $("table");
    const probe = element("span", {}, "0".repeat(MEASURE_CHARS));
    pre.append(probe);
    const charWidth = probe.getBoundingClientRect().width / MEASURE_CHARS;
    probe.remove();
    const style = getComputedStyle(pre);
    const inner = pre.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    return charWidth > 0 ? Math.floor(inner / charWidth) : 0;
  }

  function showErrors(errors) {
    for (const f of fields.fields()) {
      $("message-" + f.name).textContent = "";
      $("block-" + f.name).classList.remove("bad");
      $("field-" + f.name).removeAttribute("aria-invalid");
    }
    const list = $("errors");
    list.replaceChildren();
    for (const e of errors) {
      list.append(element("li", {}, e.text));
      const message = e.field && $("message-" + e.field);
      if (!message) continue;
      message.textContent = (message.textContent ? message.textContent + "\n" : "") + e.text;
      $("block-" + e.field).classList.add("bad");
      $("field-" + e.field).setAttribute("aria-invalid", "true");
    }
    $("error-box").hidden = errors.length === 0;
  }

  function markCurrent(current) {
    $("current").hidden = last === null;  // no skeleton of headings before a first result
    $("current").classList.toggle("stale", !current);
    $("not-current").hidden = current || last === null;
    for (const id of ["save-json", "save-csv", "save-table", "save-svg", "save-smith"]) $(id).disabled = !current;
  }

  // Each shown part made anew; a closed one is emptied, and made when it
  // opens (or the page is printed: everything).
  function showShown(all = false) {
    if (!last) return;
    const shown = (id) => all || $(id).open;
    const drawn = (id, make) => { $(id).innerHTML = make ? make() : ""; };
    drawn("plot", shown("plot-section") && (() => engine.plot(at.plot)));
    if (shown("smith-section") && last.swr) showSmith();
    else drawn("smith", null);
    if ($("table-section").open) $("table").textContent = engine.table(tableWidth());
    if ($("json-section").open) $("result-json").textContent = engine.file("json");
  }

  // A section opened or closed by the user: remembered, and drawn if it is a chart.
  function toggled(e) {
    const section = e.target;
    if (!(section instanceof HTMLDetailsElement) || !section.id) return;
    if (!sections.toggled(section)) return;
    writeAddressLater();
    if (!section.closest("#tables")) showShown();
  }


  function loadText(load) {
    const x = load.x;
    const sign = x < 0 ? "−" : "+";
    return `${load.r.toFixed(READOUT_DECIMALS)} ${sign} j${Math.abs(x).toFixed(READOUT_DECIMALS)}`;
  }

  function readout(load) {
    const p = form.page;
    const state = load.matched
      ? fill(p.smith_matched, load.c1.toFixed(READOUT_DECIMALS), load.c2.toFixed(READOUT_DECIMALS))
      : fill(p.smith_unmatched, load.why);
    return `${fill(p.smith_load, loadText(load))}: ${state}`;
  }

  // The chart, its loads focusable, each telling its readout on hover and focus.
  function showSmith() {
    const box = $("smith");
    box.innerHTML = engine.smith(at.smith);
    $("smith-readout").textContent = "";
    JSON.parse(engine.loads(at.smith)).forEach((load, k) => {
      const marker = box.querySelector("#load-" + k);
      if (!marker) return;
      const text = readout(load);
      marker.setAttribute("tabindex", "0");
      marker.setAttribute("role", "img");
      marker.setAttribute("aria-label", text);
      marker.setAttribute("data-readout", text);
    });
  }

  function chooser(select, frequencies, which) {
    const keep = at[which] < frequencies.length ? at[which] : 0;
    select.replaceChildren();
    frequencies.forEach((f, i) => select.append(element("option", { value: i }, f)));
    at[which] = keep;
    select.value = String(keep);
  }

  function showResult(result) {
    last = result;
    chooser($("plot-at"), result.frequencies, "plot");
    chooser($("smith-at"), result.frequencies, "smith");
    $("smith-section").hidden = !result.swr;
    $("tables").innerHTML = sections.withoutBodies(result.html);
    sections.tabStops($("tables"));
    sections.openIn($("tables"));
    $("status").textContent = result.status;
    $("command-line").textContent = commandLine(lastArgs);
    $("table").textContent = "";
    $("result-json").textContent = "";
    showShown();
  }

  // The command line that gives the same design, each word quoted for a shell where it must be.
  function commandLine(args) {
    const quoted = args.map((a) => (/^[-\w.,:=]+$/.test(a) ? a : "'" + a.replace(/'/g, "'\\''") + "'"));
    return ["valvenet-plan"].concat(quoted).join(" ");
  }

  function recompute() {
    clearTimeout(timer);
    const started = performance.now();
    const values = fields.read();
    lastValues = values;
    writeAddressLater();
    lastArgs = fields.argumentsOf(values, lang);
    const result = JSON.parse(engine.compute(JSON.stringify(lastArgs)));
    if (result.ok) showResult(result);
    showErrors(result.ok ? [] : result.errors);
    markCurrent(result.ok);
    $("compute-ms").textContent = (performance.now() - started).toFixed(1);
  }

  function later() {
    clearTimeout(timer);
    fields.update();
    timer = setTimeout(recompute, TYPING_PAUSE_MS);
  }

  // --- Files ------------------------------------------------------------

  function download(name, text, type) {
    const link = element("a", { download: name });
    link.href = URL.createObjectURL(new Blob([text], { type }));
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }

  async function openFile(file) {
    const opened = JSON.parse(engine.openInputs(file.name, await file.text(), lang));
    if (opened.errors.length) {
      // The results stand: no field is wrong, the file is.
      showErrors(opened.errors.map((text) => ({ field: "", text })));
      return;
    }
    const values = opened.values;
    if (opened.raise_q) values["raise-q"] = ["1"];
    fields.write(values);
    $("opened").textContent = form.page.opened.replace("%1", file.name);
    recompute();
  }

  // --- Start ------------------------------------------------------------

  function listenToCharts() {
    for (const which of ["plot", "smith"]) {
      $(which + "-at").addEventListener("change", (e) => { at[which] = Number(e.target.value); showShown(); });
    }
    // A toggle does not bubble: it is heard on its way down.
    document.addEventListener("toggle", toggled, true);
    const show = (e) => {
      const text = e.target.getAttribute && e.target.getAttribute("data-readout");
      if (text) $("smith-readout").textContent = text;
    };
    $("smith").addEventListener("mouseover", show);
    $("smith").addEventListener("focusin", show);
    const svgName = (which) => `${SAVED_NAME}-${which === "smith" ? "smith-" : ""}${last.frequencies[at[which]]}.svg`;
    $("save-svg").addEventListener("click", () => download(svgName("plot"), engine.plot(at.plot), "image/svg+xml"));
    $("save-smith").addEventListener("click", () => download(svgName("smith"), engine.smith(at.smith), "image/svg+xml"));
  }

  function listen() {
    $("fields").addEventListener("input", later);
    $("fields").addEventListener("change", later);
    $("form").addEventListener("submit", (e) => { e.preventDefault(); recompute(); });
    $("field-lang").addEventListener("change", (e) => { loadForm(e.target.value); recompute(); });
    $("open-json").addEventListener("change", (e) => {
      if (e.target.files.length) openFile(e.target.files[0]).finally(() => { e.target.value = ""; });
    });
    $("save-json").addEventListener("click", () => download(SAVED_NAME + ".json", engine.file("json"), "application/json"));
    $("save-csv").addEventListener("click", () => download(SAVED_NAME + ".csv", engine.file("csv"), "text/csv"));
    $("save-table").addEventListener("click", () => download(SAVED_NAME + ".txt", engine.file("table"), "text/plain"));
    $("copy-command").addEventListener("click", () => navigator.clipboard.writeText($("command-line").textContent));
    $("copy-link").addEventListener("click", () => {
      writeAddress(lastValues);
      navigator.clipboard.writeText(location.href);
    });
    listenToCharts();
    // On paper every section is shown (the print style opens them) with its chart.
    window.addEventListener("beforeprint", () => {
      sections.fillAll($("tables"));
      showShown(true);
    });
    // A section opened by a click has its body before it is painted open.
    $("tables").addEventListener("click", (e) => {
      const summary = e.target.closest && e.target.closest("details > summary");
      if (summary) sections.fill(summary.parentElement);
    });
    let width = tableWidth();
    window.addEventListener("resize", () => {
      if (tableWidth() !== width && last && $("table-section").open) { width = tableWidth(); showShown(); }
    });
  }

  async function start() {
    engine = await createValvenet();
    const params = new URLSearchParams(location.search);
    for (const id of params.getAll(OPEN_PARAM)) sections.opened.add(id);
    sections.openIn(document);
    loadForm(params.get("lang") || "ru");
    const values = valuesOfAddress(params);
    const example = valuesOfArguments(form.example);
    // A link with some values: the page's example fills the rest, and says so.
    const filled = Object.keys(example).filter((name) => !(name in values) &&
      !(name === "bands" && "freq" in values));
    const given = Object.keys(values).length > 0;
    fields.write(given ? Object.assign(Object.fromEntries(filled.map((n) => [n, example[n]])), values)
                       : example);
    $("filled").hidden = !given || filled.length === 0;
    $("filled").textContent = form.page.filled_from_example;
    listen();
    recompute();
  }

  start();
})();
