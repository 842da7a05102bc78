// The page's form: fields built from the engine's description (form_json),
// their values as {name: [values]} for the address and the engine's
// arguments. The band picker and the free list of frequencies make one
// list of frequencies together.
"use strict";

window.valvenetForm = (() => {
  // What separates the frequencies of the free list: blanks, semicolons, and a
  // comma followed by a blank (a comma between digits is a decimal comma: 1,85).
  const LIST_SEPARATOR = /\s*;\s*|,\s+|\s+/;
  // The value of --bands for every ham band at once.
  const ALL_BANDS = "ham";

  let form = null;

  const $ = (id) => document.getElementById(id);

  // An element with its attributes and text; the page script makes its own with it too.
  function element(tag, attributes = {}, text = "") {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
    if (text) e.textContent = text;
    return e;
  }

  function fields() {
    return form.groups.flatMap((g) => g.fields);
  }

  function field(name) {
    return fields().find((f) => f.name === name);
  }

  function described(f) {
    return { "aria-describedby": `hint-${f.name} message-${f.name}` };
  }

  // --- Building ---------------------------------------------------------

  function textInput(f) {
    const box = element("div", { class: "input" });
    box.append(element("input", {
      type: "text", id: "field-" + f.name, name: f.name, autocomplete: "off",
      spellcheck: "false", inputmode: f.kind === "values" ? "text" : "decimal", ...described(f),
    }));
    if (f.unit) box.append(element("span", { class: "unit", "aria-hidden": "true" }, f.unit));
    return box;
  }

  // A number or one of its words (Q0: a number or from the coil).
  function numberOrWords(f) {
    const box = element("div", { class: "or-words", role: "radiogroup", "aria-labelledby": "label-" + f.name });
    const number = element("label", { class: "choice" });
    number.append(element("input", { type: "radio", name: "mode-" + f.name, value: "", id: "mode-" + f.name,
      checked: "" }), document.createTextNode(form.page.q0_number));
    const typed = textInput(f);
    typed.firstChild.setAttribute("aria-labelledby", "label-" + f.name);
    box.append(number, typed);
    for (const c of f.choices) {
      const word = element("label", { class: "choice" });
      word.append(element("input", { type: "radio", name: "mode-" + f.name, value: c.value,
        id: `mode-${f.name}-${c.value}` }), document.createTextNode(c.label));
      box.append(word);
    }
    return box;
  }

  function choiceInput(f) {
    const select = element("select", { id: "field-" + f.name, name: f.name, ...described(f) });
    for (const c of f.choices) select.append(element("option", { value: c.value }, c.label));
    return select;
  }

  function bandPicker(f) {
    const box = element("div", { class: "bands", role: "group", "aria-labelledby": "label-" + f.name, id: "field-" + f.name });
    for (const b of f.bands) {
      const tick = element("label", { class: "band" });
      tick.append(element("input", { type: "checkbox", name: "band", value: String(b.metres),
        "data-f-mhz": b.f_mhz, "data-hf": String(b.hf) }),
        document.createTextNode(`${b.metres} ${form.page.metre}`));
      box.append(tick);
    }
    const buttons = element("div", { class: "band-buttons" });
    buttons.append(element("button", { type: "button", "data-pick": "hf" }, form.page.all_hf),
      element("button", { type: "button", "data-pick": "all" }, form.page.all_bands));
    box.append(buttons);
    return box;
  }

  function helpControl(f, block) {
    if (!f.help) return;
    const button = element("button", {
      type: "button", class: "help", "aria-expanded": "false", "aria-controls": "help-" + f.name,
      "aria-label": `${form.page.help}: ${f.label}`, title: form.page.help,
    }, "?");
    const text = element("p", { class: "help-text", id: "help-" + f.name, hidden: "" }, f.help);
    button.addEventListener("click", () => {
      const open = button.getAttribute("aria-expanded") !== "true";
      button.setAttribute("aria-expanded", String(open));
      text.hidden = !open;
    });
    block.querySelector(".head").append(button);
    block.append(text);
  }

  function input(f) {
    if (f.kind === "choice") return choiceInput(f);
    if (f.kind === "bands") return bandPicker(f);
    if (f.choices.length) return numberOrWords(f);
    return textInput(f);
  }

  function fieldBlock(f) {
    const block = element("div", { class: "field", id: "block-" + f.name });
    const head = element("div", { class: "head" });
    const label = element(f.kind === "bands" || f.choices.length && f.kind === "value" ? "span" : "label",
      { id: "label-" + f.name, class: "label", for: "field-" + f.name }, f.label);
    if (label.tagName === "SPAN") label.removeAttribute("for");
    if (f.kind === "flag") {
      block.classList.add("check");
      head.append(element("input", { type: "checkbox", id: "field-" + f.name, name: f.name, ...described(f) }), label);
      block.append(head);
    } else {
      head.append(label);
      block.append(head, input(f));
    }
    const hint = [f.range, f.typical].filter((t) => t).join("; ");
    block.append(element("span", { class: "hint", id: "hint-" + f.name }, hint));
    helpControl(f, block);
    block.append(element("span", { class: "message", id: "message-" + f.name }));
    return block;
  }

  function build(description) {
    form = description;
    const box = $("fields");
    box.replaceChildren();
    for (const g of form.groups) {
      const set = element("fieldset");
      set.append(element("legend", {}, g.heading));
      for (const f of g.fields) set.append(fieldBlock(f));
      box.append(set);
    }
    box.addEventListener("click", pickBands);
    update();
  }

  function pickBands(e) {
    const pick = e.target.getAttribute && e.target.getAttribute("data-pick");
    if (!pick) return;
    for (const tick of document.querySelectorAll("#fields input[name=band]")) {
      tick.checked = pick === "all" || tick.getAttribute("data-hf") === "true";
    }
    $("fields").dispatchEvent(new Event("change"));
  }

  // --- Which fields stand and which words may be chosen ----------------

  function filled(name) {
    const e = $("field-" + name);
    return e && e.value.trim() !== "";
  }

  function shown(f) {
    if (!f.shown_with) return true;
    const other = field(f.shown_with.field);
    return other && shown(other) && $("field-" + other.name).value === f.shown_with.value;
  }

  // After every change: the fields that wait for another's value, the words
  // that wait for other fields.
  function update() {
    for (const g of form.groups) {
      for (const f of g.fields) $("block-" + f.name).hidden = !shown(f);
    }
    for (const set of document.querySelectorAll("#fields fieldset")) {
      set.hidden = [...set.querySelectorAll(".field")].every((b) => b.hidden);
    }
    for (const f of fields().filter((x) => x.kind === "value" && x.choices.length)) {
      const ready = f.needs.every(filled);
      for (const c of f.choices) {
        // A word chosen stays chosen, so that its message tells what it needs.
        const radio = $(`mode-${f.name}-${c.value}`);
        radio.disabled = !ready && !radio.checked;
      }
      $("field-" + f.name).disabled = !$("mode-" + f.name).checked;
    }
  }

  // --- Values -----------------------------------------------------------

  function wordOf(f) {
    const checked = document.querySelector(`#block-${f.name} input[type=radio]:checked`);
    return checked ? checked.value : "";
  }

  function ticked() {
    return [...document.querySelectorAll("#fields input[name=band]")];
  }

  function listOf(text) {
    return text.trim().split(LIST_SEPARATOR).filter((v) => v !== "");
  }

  function read() {
    const values = {};
    for (const f of fields().filter(shown)) {
      const e = $("field-" + f.name);
      if (f.kind === "bands") {
        const on = ticked().filter((t) => t.checked);
        if (on.length === ticked().length) values[f.name] = [ALL_BANDS];
        else if (on.length) values[f.name] = on.map((t) => t.value);
      } else if (f.kind === "flag") {
        if (e.checked) values[f.name] = ["1"];
      } else if (f.kind === "values") {
        const list = listOf(e.value);
        if (list.length) values[f.name] = list;
      } else if (f.kind === "choice") {
        if (e.value !== f.choices[0].value) values[f.name] = [e.value];
      } else if (wordOf(f)) {
        values[f.name] = [wordOf(f)];
      } else if (e.value.trim() !== "") {
        values[f.name] = [e.value.trim()];
      }
    }
    return values;
  }

  function numberOf(text) {
    return Number(text.replace(",", "."));
  }

  // A list of frequencies: those of a band tick it, the rest go to the free list.
  function writeFrequencies(bands, list, freq) {
    const all = bands.includes(ALL_BANDS);
    const rest = [];
    for (const tick of ticked()) tick.checked = all || bands.includes(tick.value);
    for (const f of list) {
      const tick = ticked().find((t) => numberOf(t.getAttribute("data-f-mhz")) === numberOf(f));
      if (tick) tick.checked = true;
      else rest.push(f);
    }
    $("field-" + freq.name).value = rest.join(" ");
  }

  function write(values) {
    const freq = fields().find((f) => f.kind === "values");
    for (const f of fields()) {
      const e = $("field-" + f.name);
      const given = values[f.name] || [];
      if (f.kind === "bands") continue;
      if (f.kind === "flag") e.checked = given.length > 0 && given[0] !== "0";
      else if (f.kind === "choice") e.value = given[0] || f.choices[0].value;
      else if (f.kind === "value" && f.choices.length) {
        const word = f.choices.find((c) => c.value === given[0]);
        if (!word) e.value = given.join(" ");
        $(word ? `mode-${f.name}-${word.value}` : "mode-" + f.name).checked = true;
      } else if (f !== freq) e.value = given.join(" ");
    }
    const bands = fields().find((f) => f.kind === "bands");
    writeFrequencies(values[bands.name] || [], values[freq.name] || [], freq);
    update();
  }

  // The frequencies of the ticked bands and the free list, in order, each once.
  function frequencies(values) {
    const bands = fields().find((f) => f.kind === "bands");
    const freq = fields().find((f) => f.kind === "values");
    const picked = values[bands.name] || [];
    const fromBands = ticked().filter((t) => picked.includes(ALL_BANDS) || picked.includes(t.value))
      .map((t) => t.getAttribute("data-f-mhz"));
    const seen = new Set();
    const list = [];
    for (const f of fromBands.concat(values[freq.name] || [])) {
      const key = Number.isNaN(numberOf(f)) ? f : numberOf(f);
      if (!seen.has(key)) { seen.add(key); list.push(f); }
    }
    const order = (f) => (Number.isNaN(numberOf(f)) ? Infinity : numberOf(f));
    return list.sort((a, b) => order(a) - order(b));
  }

  // The arguments of valvenet-plan for the form's values.
  function argumentsOf(values, lang) {
    const args = [];
    const onlyBands = (values.freq || []).length === 0 && (values.bands || [])[0] === ALL_BANDS;
    for (const f of fields()) {
      if (f.kind === "bands") {
        if (onlyBands) args.push(f.option, ALL_BANDS);
        continue;
      }
      if (f.kind === "values") {
        const list = onlyBands ? [] : frequencies(values);
        if (list.length) args.push(f.option, ...list);
        continue;
      }
      const given = values[f.name];
      if (!given) continue;
      args.push(f.option);
      if (f.kind !== "flag") args.push(...given);
    }
    if (lang !== form.language.choices[0].value) args.push(form.language.option, lang);
    return args;
  }

  return { build, read, write, update, argumentsOf, fields, field, element };
})();
