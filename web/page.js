// The page: a form built from valvenet-plan's own description of its
// options, the engine's results as the user types. Every text, option and
// range comes from the engine (valvenet.js); this script only arranges them.
"use strict";

(() => {
  // The pause after the last keystroke before a recompute, ms: short enough
  // to feel immediate, long enough not to compute half-typed numbers.
  const TYPING_PAUSE_MS = 300;
  // Characters of the table's width measured at once, for a steadier mean.
  const MEASURE_CHARS = 40;
  // The file names of the saved results.
  const SAVED_NAME = "valvenet-plan";

  let engine = null;
  let form = null;  // the engine's description of the form, in `lang`
  let lang = "ru";
  let timer = 0;
  let last = null;  // the last good result
  let lastArgs = [];  // the arguments of the last recompute
  let plotIndex = 0;

  const $ = (id) => document.getElementById(id);

  function element(tag, attributes = {}, text = "") {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
    if (text) e.textContent = text;
    return e;
  }

  function fields() {
    return form.groups.flatMap((g) => g.fields);
  }

  function inputOf(field) {
    return $("field-" + field.name);
  }

  // --- The form ---------------------------------------------------------

  function valueField(f) {
    const box = element("div", { class: "input" });
    box.append(element("input", {
      type: "text", id: "field-" + f.name, name: f.name, autocomplete: "off",
      spellcheck: "false", "aria-describedby": `hint-${f.name} message-${f.name}`,
    }));
    if (f.unit) box.append(element("span", { class: "unit", "aria-hidden": "true" }, f.unit));
    return box;
  }

  function choiceField(f) {
    const select = element("select", {
      id: "field-" + f.name, name: f.name, "aria-describedby": `hint-${f.name} message-${f.name}`,
    });
    for (const c of f.choices) select.append(element("option", { value: c }, c));
    return select;
  }

  function fieldBlock(f) {
    const block = element("div", { class: "field", id: "block-" + f.name });
    const label = element("label", { for: "field-" + f.name }, f.label);
    if (f.kind === "flag") {
      block.classList.add("check");
      block.append(element("input", {
        type: "checkbox", id: "field-" + f.name, name: f.name,
        "aria-describedby": `hint-${f.name} message-${f.name}`,
      }), label);
    } else {
      block.append(label, f.kind === "choice" ? choiceField(f) : valueField(f));
    }
    block.append(element("span", { class: "hint", id: "hint-" + f.name }, f.hint),
      element("span", { class: "message", id: "message-" + f.name }));
    return block;
  }

  function buildForm() {
    const box = $("fields");
    box.replaceChildren();
    for (const g of form.groups) {
      const set = element("fieldset");
      set.append(element("legend", {}, g.heading));
      for (const f of g.fields) set.append(fieldBlock(f));
      box.append(set);
    }
  }

  function buildLanguageSwitch() {
    const select = $("field-lang");
    select.replaceChildren();
    for (const c of form.language.choices) select.append(element("option", { value: c }, c));
    select.value = lang;
    select.title = form.language.label;
  }

  function setTexts() {
    const p = form.page;
    document.documentElement.lang = lang;
    document.title = p.title;
    const texts = {
      title: p.title, intro: p.intro, "language-label": p.language, "form-heading": p.form,
      "results-heading": p.results, "errors-heading": p.errors, "not-current": p.not_current,
      "save-json": p.save_json, "save-csv": p.save_csv, "save-table": p.save_table,
      "save-svg": p.save_svg, "open-json-label": p.open_json, "plot-heading": p.plot,
      "plot-at-label": p.plot_at, "table-heading": p.table, "json-heading": p.json,
      "compute-label": p.compute_ms, "command-heading": p.command_line,
      "copy-command": p.copy_command, "copy-link": p.copy_link,
    };
    for (const [id, text] of Object.entries(texts)) $(id).textContent = text;
  }

  function loadForm(newLang) {
    const kept = form ? readForm() : null;
    lang = newLang;
    form = JSON.parse(engine.form(lang));
    setTexts();
    buildForm();
    buildLanguageSwitch();
    if (kept) writeForm(kept);
  }

  // --- The form's values: {name: [values]} ------------------------------

  function readForm() {
    const values = {};
    for (const f of fields()) {
      const input = inputOf(f);
      if (f.kind === "flag") {
        if (input.checked) values[f.name] = f.choices.length ? [f.choices[0]] : ["1"];
      } else if (f.kind === "values") {
        const list = input.value.trim().split(/\s+/).filter((v) => v !== "");
        if (list.length) values[f.name] = list;
      } else if (f.kind === "choice") {
        if (input.value !== f.choices[0]) values[f.name] = [input.value];
      } else if (input.value.trim() !== "") {
        values[f.name] = [input.value.trim()];
      }
    }
    return values;
  }

  function writeForm(values) {
    for (const f of fields()) {
      const input = inputOf(f);
      const given = values[f.name] || [];
      if (f.kind === "flag") input.checked = given.length > 0 && given[0] !== "0";
      else if (f.kind === "choice") input.value = given[0] || f.choices[0];
      else input.value = given.join(" ");
    }
  }

  // The arguments of valvenet-plan for the form's values.
  function argumentsOf(values) {
    const args = [];
    for (const f of fields()) {
      const given = values[f.name];
      if (!given) continue;
      args.push(f.option);
      if (f.kind !== "flag" || f.choices.length) args.push(...given);
    }
    if (lang !== form.language.choices[0]) args.push(form.language.option, lang);
    return args;
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
    for (const f of fields()) {
      if (f.kind === "flag" && values[f.name] && !values[f.name].length) values[f.name] = ["1"];
    }
    return values;
  }

  // --- The address ------------------------------------------------------

  function valuesOfAddress(params) {
    const values = {};
    for (const f of fields()) {
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
    if (lang !== form.language.choices[0]) params.append(form.language.name, lang);
    const query = params.toString();
    history.replaceState(null, "", query ? "?" + query : location.pathname);
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
    for (const f of fields()) {
      $("message-" + f.name).textContent = "";
      $("block-" + f.name).classList.remove("bad");
      inputOf(f).removeAttribute("aria-invalid");
    }
    const list = $("errors");
    list.replaceChildren();
    for (const e of errors) {
      list.append(element("li", {}, e.text));
      if (!e.field || !$("message-" + e.field)) continue;
      const message = $("message-" + e.field);
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
    for (const id of ["save-json", "save-csv", "save-table", "save-svg"]) $(id).disabled = !current;
  }

  function showPlot() {
    $("plot").innerHTML = last ? engine.plot(plotIndex) : "";
    $("smith").innerHTML = last ? engine.smith(plotIndex) : "";
  }

  function showResult(result) {
    last = result;
    const select = $("plot-at");
    const keep = plotIndex < result.frequencies.length ? plotIndex : 0;
    select.replaceChildren();
    result.frequencies.forEach((f, i) => select.append(element("option", { value: i }, f)));
    plotIndex = keep;
    select.value = String(keep);
    showPlot();
    $("table").textContent = result.table;
    $("tables").innerHTML = result.html;
    $("status").textContent = result.status;
    $("command-line").textContent = commandLine(lastArgs);
    $("result-json").textContent = engine.file("json");
  }

  // The command line that gives the same design, each word quoted for a shell where it must be.
  function commandLine(args) {
    const quoted = args.map((a) => (/^[-\w.,:=]+$/.test(a) ? a : "'" + a.replace(/'/g, "'\\''") + "'"));
    return ["valvenet-plan"].concat(quoted).join(" ");
  }

  function recompute() {
    clearTimeout(timer);
    const started = performance.now();
    const values = readForm();
    writeAddress(values);
    lastArgs = argumentsOf(values);
    const result = JSON.parse(engine.compute(JSON.stringify(lastArgs), tableWidth()));
    if (result.ok) showResult(result);
    showErrors(result.ok ? [] : result.errors);
    markCurrent(result.ok);
    $("compute-ms").textContent = (performance.now() - started).toFixed(1);
  }

  function later() {
    clearTimeout(timer);
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
      showErrors(opened.errors.map((text) => ({ field: "", text })));
      markCurrent(false);
      return;
    }
    const values = opened.values;
    for (const f of fields()) {
      if (f.kind === "flag" && !f.choices.length && opened.raise_q) values[f.name] = ["1"];
    }
    writeForm(values);
    $("opened").textContent = form.page.opened.replace("%1", file.name);
    recompute();
  }

  // --- Start ------------------------------------------------------------

  function listen() {
    $("fields").addEventListener("input", later);
    $("fields").addEventListener("change", later);
    $("form").addEventListener("submit", (e) => { e.preventDefault(); recompute(); });
    $("field-lang").addEventListener("change", (e) => { loadForm(e.target.value); recompute(); });
    $("plot-at").addEventListener("change", (e) => { plotIndex = Number(e.target.value); showPlot(); });
    $("open-json").addEventListener("change", (e) => {
      if (e.target.files.length) openFile(e.target.files[0]).finally(() => { e.target.value = ""; });
    });
    $("save-json").addEventListener("click", () => download(SAVED_NAME + ".json", $("result-json").textContent, "application/json"));
    $("save-csv").addEventListener("click", () => download(SAVED_NAME + ".csv", engine.file("csv"), "text/csv"));
    $("save-table").addEventListener("click", () => download(SAVED_NAME + ".txt", engine.file("table"), "text/plain"));
    $("save-svg").addEventListener("click", () => download(
      `${SAVED_NAME}-${last.frequencies[plotIndex]}.svg`, engine.plot(plotIndex), "image/svg+xml"));
    $("copy-command").addEventListener("click", () => navigator.clipboard.writeText($("command-line").textContent));
    $("copy-link").addEventListener("click", () => navigator.clipboard.writeText(location.href));
    // On paper every section is open.
    window.addEventListener("beforeprint", () => {
      for (const d of document.querySelectorAll("#tables details")) d.open = true;
    });
    let width = tableWidth();
    window.addEventListener("resize", () => {
      if (tableWidth() !== width && last) { width = tableWidth(); later(); }
    });
  }

  async function start() {
    engine = await createValvenet();
    const params = new URLSearchParams(location.search);
    loadForm(params.get("lang") || "ru");
    const values = valuesOfAddress(params);
    const example = valuesOfArguments(form.example);
    // A link with some values: the page's example fills the rest, and says so.
    const filled = Object.keys(example).filter((name) => !(name in values) &&
      !(name === "bands" && "freq" in values));
    const given = Object.keys(values).length > 0;
    writeForm(given ? Object.assign(Object.fromEntries(filled.map((n) => [n, example[n]])), values)
                    : example);
    $("filled").hidden = !given || filled.length === 0;
    $("filled").textContent = form.page.filled_from_example;
    listen();
    recompute();
  }

  start();
})();
