// The page's sections that open and close: which are open (all closed at
// first, so that nothing is drawn that nobody looks at; kept in the address
// and over recomputes), and the bodies of the results' sections, put in the
// page only when their section opens or the page is printed: most of the
// results' markup is in sections nobody has opened.
"use strict";

window.valvenetSections = (() => {
  // The results' sections as the engine writes them.
  const SECTION_START = '<details class="section" id="';
  const SUMMARY_END = "</summary>";
  const SECTION_END = "</details>";

  const opened = new Set();  // the ids of the open sections
  let bodies = new Map();  // a section's id: its body, not yet in the page

  // The results' markup with each section's body taken out into bodies.
  function withoutBodies(html) {
    bodies = new Map();
    let out = "";
    let at = 0;
    for (let start = html.indexOf(SECTION_START); start >= 0; start = html.indexOf(SECTION_START, at)) {
      const id = start + SECTION_START.length;
      const summary = html.indexOf(SUMMARY_END, id);
      const end = summary < 0 ? -1 : html.indexOf(SECTION_END, summary);
      if (end < 0) break;
      const head = summary + SUMMARY_END.length;
      bodies.set(html.slice(id, html.indexOf('"', id)), html.slice(head, end));
      out += html.slice(at, head);
      at = end;
    }
    return out + html.slice(at);
  }

  // A table that scrolls inside its box is reached from the keyboard too.
  function tabStops(box) {
    for (const b of box.querySelectorAll(".table-box")) b.setAttribute("tabindex", "0");
  }

  // A section's body put in the page.
  function fill(section) {
    const body = bodies.get(section.id);
    if (body === undefined) return;
    bodies.delete(section.id);
    section.insertAdjacentHTML("beforeend", body);
    tabStops(section);
  }

  function fillAll(box) {
    for (const d of box.querySelectorAll("details[id]")) fill(d);
  }

  // The sections in a box opened as they were, their bodies put in.
  function openIn(box) {
    for (const d of box.querySelectorAll("details[id]")) {
      d.open = opened.has(d.id);
      if (d.open) fill(d);
    }
  }

  // A section opened or closed: its body put in, and remembered; whether
  // that changed what is open.
  function toggled(section) {
    if (section.open) fill(section);
    if (section.open === opened.has(section.id)) return false;
    if (section.open) opened.add(section.id);
    else opened.delete(section.id);
    return true;
  }

  return { opened, withoutBodies, tabStops, fill, fillAll, openIn, toggled };
})();
