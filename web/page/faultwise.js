// SPDX-License-Identifier: GPL-3.0-or-later
// The page's behaviour: it wires the controls to the core and shows what the core answers.
// Decoding, sizes, texts, the report, the log and comparisons all come from the core.
"use strict";

(function () {
  const $ = (id) => document.getElementById(id);
  const tree = $("tree");
  const report = $("report");
  const checkButton = $("check");
  const compareButton = $("compare");
  const dumpInput = $("dump-input");
  const compareInput = $("compare-input");
  const filter = $("filter");
  const info = $("info");
  const status = $("status");
  const warning = $("warning");
  const hex = $("hex");
  const hexSpacer = hex.querySelector(".hex-spacer");
  const hexRows = hex.querySelector(".hex-rows");
  const messageDialog = $("message");
  const aboutDialog = $("about");
  const dropZone = $("drop-zone");

  let core = null;
  let selected = null;   // the selected tree item (a make or a leaf)
  let shownLines = 0;    // report lines already in the pane
  let litRanges = [];    // [first, last] dump ranges behind the selected report lines
  let hexRowHeight = 0;
  const kHexRowBytes = 16;

  // ---- Messages ---------------------------------------------------------------------------

  function showMessage(kind, text, detail) {
    messageDialog.className = "message " + kind;
    $("message-text").textContent = text;
    $("message-detail").textContent = detail || "";
    $("message-detail").hidden = !detail;
    if (!messageDialog.open)
      messageDialog.showModal();
    $("message-ok").focus();
  }
  $("message-ok").addEventListener("click", () => messageDialog.close());

  // ---- The unit-type tree -----------------------------------------------------------------

  function buildTree() {
    let makeNode = null;
    let group = null;
    core.tree().forEach((leaf, index) => {
      if (!makeNode || makeNode.dataset.make !== leaf.make) {
        makeNode = document.createElement("li");
        makeNode.setAttribute("role", "treeitem");
        makeNode.setAttribute("aria-expanded", "false");
        makeNode.dataset.make = leaf.make;
        makeNode.dataset.typeId = "0";
        makeNode.className = "make";
        const label = document.createElement("span");
        label.className = "label";
        label.textContent = leaf.make;
        group = document.createElement("ul");
        group.setAttribute("role", "group");
        makeNode.append(label, group);
        tree.append(makeNode);
      }
      const item = document.createElement("li");
      item.setAttribute("role", "treeitem");
      item.className = "leaf";
      item.dataset.testid = "leaf";
      item.dataset.typeId = String(leaf.typeId);
      item.dataset.index = String(index);
      item.title = leaf.hint;
      item.dataset.hint = leaf.hint;
      const label = document.createElement("span");
      label.className = "label";
      label.textContent = leaf.partNumber;
      item.append(label);
      group.append(item);
    });
    for (const item of tree.querySelectorAll("[role=treeitem]"))
      item.tabIndex = -1;
    tree.querySelector("[role=treeitem]").tabIndex = 0;
  }

  function visibleItems() {
    return Array.from(tree.querySelectorAll("[role=treeitem]")).filter((item) => {
      if (item.hidden)
        return false;
      const make = item.parentElement.closest("[role=treeitem]");
      return !make || (!make.hidden && make.getAttribute("aria-expanded") === "true");
    });
  }

  function select(item, focus) {
    if (selected)
      selected.removeAttribute("aria-selected");
    for (const other of tree.querySelectorAll("[tabindex='0']"))
      other.tabIndex = -1;
    selected = item;
    item.setAttribute("aria-selected", "true");
    item.tabIndex = 0;
    if (focus)
      item.focus();
    item.scrollIntoView({block: "nearest"});
    typeChanged();
  }

  function setExpanded(make, expanded) {
    make.setAttribute("aria-expanded", expanded ? "true" : "false");
  }

  function typeChanged() {
    updateCheckEnabled();
    const text = core.infoText(selectedTypeId());
    info.textContent = text;
    info.hidden = text === "";
  }

  function selectedTypeId() {
    return selected ? Number(selected.dataset.typeId) : 0;
  }

  tree.addEventListener("click", (event) => {
    const item = event.target.closest("[role=treeitem]");
    if (!item)
      return;
    if (item.classList.contains("make") && event.target.closest(".label") === item.firstChild)
      setExpanded(item, item.getAttribute("aria-expanded") !== "true");
    select(item, true);
  });

  tree.addEventListener("keydown", (event) => {
    const items = visibleItems();
    const current = selected && items.includes(selected) ? selected : null;
    const at = current ? items.indexOf(current) : -1;
    const isMake = current && current.classList.contains("make");
    let next = null;
    switch (event.key) {
    case "ArrowDown": next = items[Math.min(at + 1, items.length - 1)]; break;
    case "ArrowUp": next = items[Math.max(at - 1, 0)]; break;
    case "Home": next = items[0]; break;
    case "End": next = items[items.length - 1]; break;
    case "ArrowRight":
      if (isMake && current.getAttribute("aria-expanded") !== "true")
        setExpanded(current, true);
      else if (isMake)
        next = visibleItems()[at + 1];
      break;
    case "ArrowLeft":
      if (isMake)
        setExpanded(current, false);
      else if (current)
        next = current.parentElement.closest("[role=treeitem]");
      break;
    case " ":
      if (isMake)
        setExpanded(current, current.getAttribute("aria-expanded") !== "true");
      break;
    case "Enter": check(); break;
    default: return;
    }
    event.preventDefault();
    if (next)
      select(next, true);
  });

  // The filter narrows the leaves to the part numbers that the core says match.
  filter.addEventListener("input", () => {
    if (!core)
      return;
    const query = filter.value.trim();
    const matches = core.leavesMatching(query);
    for (const leaf of tree.querySelectorAll(".leaf"))
      leaf.hidden = !matches[Number(leaf.dataset.index)];
    for (const make of tree.querySelectorAll(".make")) {
      make.hidden = !make.querySelector(".leaf:not([hidden])");
      if (query !== "")
        setExpanded(make, !make.hidden);
    }
  });
  // Enter picks the leaf that the typed text names, or the only leaf left; Arrow Down moves to
  // the first leaf shown.
  filter.addEventListener("keydown", (event) => {
    if (!core || (event.key !== "ArrowDown" && event.key !== "Enter"))
      return;
    const shown = Array.from(tree.querySelectorAll(".leaf:not([hidden])"));
    const named = core.leafNamed(filter.value);
    let leaf = null;
    if (event.key === "ArrowDown")
      leaf = shown[0];
    else if (named >= 0)
      leaf = tree.querySelector('.leaf[data-index="' + named + '"]');
    else if (shown.length === 1)
      leaf = shown[0];
    if (!leaf)
      return;
    event.preventDefault();
    const make = leaf.parentElement.closest(".make");
    make.hidden = false;
    leaf.hidden = false;
    setExpanded(make, true);
    select(leaf, true);
  });

  // Leaves whose type takes a dump of another size are dimmed, not disabled: checking one still
  // tells the mismatch.
  function markFittingTypes() {
    const fits = core.leavesFitting();
    for (const leaf of tree.querySelectorAll(".leaf"))
      leaf.classList.toggle("dimmed", !fits[Number(leaf.dataset.index)]);
  }

  // The leaves that the ranking by content puts first are bold, with the reasons in the tooltip,
  // and their makes open.
  function markBestLeaves() {
    for (const leaf of tree.querySelectorAll(".leaf.best")) {
      leaf.classList.remove("best");
      leaf.title = leaf.dataset.hint;
    }
    for (const best of core.bestLeaves()) {
      const leaf = tree.querySelector('.leaf[data-index="' + best.index + '"]');
      leaf.classList.add("best");
      leaf.title = leaf.dataset.hint + "\n" + best.note;
      setExpanded(leaf.parentElement.closest(".make"), true);
    }
  }

  // Read-check findings stand above the report until the next open or check.
  function showWarnings() {
    const lines = core.warnings();
    warning.textContent = lines.join("\n");
    warning.hidden = lines.length === 0;
  }

  // ---- Opening, checking, saving, comparing -----------------------------------------------

  function updateCheckEnabled() {
    const loaded = core.dumpSize() > 0;
    checkButton.disabled = !(selected && loaded);
    compareButton.disabled = !loaded;
  }

  async function readFile(file) {
    const refusal = core.refusalForFileSize(file.size);
    if (refusal !== "") {
      showMessage("error", 'Cannot open file "' + file.name + '". ' + refusal);
      return null;
    }
    try {
      return new Uint8Array(await file.arrayBuffer());
    } catch (error) {
      showMessage("error", 'Cannot open file "' + file.name + '". ' + error.message);
      return null;
    }
  }

  async function openDump(file) {
    if (!core)
      return;
    const bytes = await readFile(file);
    if (!bytes)
      return;
    core.openDump(file.name, bytes);
    status.textContent = "File: " + file.name;
    updateCheckEnabled();
    markFittingTypes();
    markBestLeaves();
    showReport();
    showWarnings();
    hex.scrollTop = 0;
    layoutHex();
  }

  function check() {
    if (checkButton.disabled)
      return;
    const result = core.check(selectedTypeId());
    if (!result.ok)
      showMessage("error", result.message, result.detail);
    showReport();
    showWarnings();
  }

  // The pane holds one span per line, lines separated by "\n": its text is the report's lines
  // joined by "\n". New lines are appended; an open starts the pane afresh.
  function showReport() {
    const lines = core.reportLines();
    if (lines.length < shownLines) {
      report.textContent = "";
      shownLines = 0;
      litRanges = [];
    }
    const added = document.createDocumentFragment();
    for (let i = shownLines; i < lines.length; ++i) {
      if (i > 0)
        added.append("\n");
      const line = document.createElement("span");
      line.className = "line";
      line.dataset.line = String(i);
      line.title = core.lineRanges(i).text;
      line.textContent = lines[i];
      added.append(line);
    }
    report.append(added);
    if (lines.length > shownLines)
      report.lastChild.scrollIntoView({block: "nearest"});
    shownLines = lines.length;
  }

  function saveLog() {
    if (!core)
      return;
    const blob = new Blob([core.logBytes()], {type: "text/plain"});
    const link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = core.proposedLogName();
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  async function compareWith(file) {
    const bytes = await readFile(file);
    if (!bytes)
      return;
    const result = core.compareWith(bytes);
    showMessage(result.identical ? "information" : "warning", result.text);
  }

  checkButton.addEventListener("click", check);
  $("open").addEventListener("click", () => dumpInput.click());
  $("save").addEventListener("click", saveLog);
  compareButton.addEventListener("click", () => compareInput.click());
  dumpInput.addEventListener("change", () => {
    if (dumpInput.files.length === 1)
      openDump(dumpInput.files[0]);
    dumpInput.value = "";
  });
  compareInput.addEventListener("change", () => {
    if (compareInput.files.length === 1)
      compareWith(compareInput.files[0]);
    compareInput.value = "";
  });

  // Selecting report lines lights up the dump bytes they were read from in the hex view.
  function selectLines(indices, scrollHex) {
    for (const line of report.querySelectorAll(".line.selected"))
      line.classList.remove("selected");
    litRanges = [];
    for (const index of indices) {
      const line = report.querySelector('.line[data-line="' + index + '"]');
      line.classList.add("selected");
      litRanges.push(...core.lineRanges(index).ranges);
    }
    if (indices.length > 0)
      report.querySelector('.line[data-line="' + indices[0] + '"]').scrollIntoView(
          {block: "nearest"});
    if (scrollHex && litRanges.length > 0 && hexRowHeight > 0) {
      const row = Math.floor(litRanges[0][0] / kHexRowBytes);
      const top = row * hexRowHeight;
      if (top < hex.scrollTop || top + hexRowHeight > hex.scrollTop + hex.clientHeight)
        hex.scrollTop = Math.max(0, top - 2 * hexRowHeight);
    }
    paintHex();
  }

  function selectedLine() {
    const line = report.querySelector(".line.selected");
    return line ? Number(line.dataset.line) : -1;
  }

  report.addEventListener("click", (event) => {
    const line = event.target.closest(".line");
    if (line)
      selectLines([Number(line.dataset.line)], true);
  });

  report.addEventListener("keydown", (event) => {
    if (event.key === "Enter") {
      event.preventDefault();
      check();
      return;
    }
    if (event.key !== "ArrowDown" && event.key !== "ArrowUp" || shownLines === 0)
      return;
    event.preventDefault();
    const at = selectedLine();
    const next = event.key === "ArrowDown" ? Math.min(at + 1, shownLines - 1) : Math.max(at - 1, 0);
    selectLines([next], true);
  });

  document.addEventListener("keydown", (event) => {
    if (!core || !(event.ctrlKey || event.metaKey) || event.altKey || messageDialog.open ||
        aboutDialog.open)
      return;
    const key = event.key.toLowerCase();
    if (key === "o")
      dumpInput.click();
    else if (key === "d")
      check();
    else if (key === "s")
      saveLog();
    else
      return;
    event.preventDefault();
  });

  // A file dropped anywhere on the page opens, as the open button does; anything but exactly
  // one file is ignored.
  let dragDepth = 0;
  const carriesFiles = (event) => Array.from(event.dataTransfer.types).includes("Files");
  document.addEventListener("dragenter", (event) => {
    if (!carriesFiles(event))
      return;
    ++dragDepth;
    dropZone.hidden = false;
  });
  document.addEventListener("dragleave", () => {
    if (dragDepth > 0 && --dragDepth === 0)
      dropZone.hidden = true;
  });
  document.addEventListener("dragover", (event) => {
    if (!carriesFiles(event))
      return;
    event.preventDefault();
    event.dataTransfer.dropEffect = "copy";
  });
  document.addEventListener("drop", (event) => {
    event.preventDefault();
    dragDepth = 0;
    dropZone.hidden = true;
    if (event.dataTransfer.files.length === 1)
      openDump(event.dataTransfer.files[0]);
  });

  // ---- Hex view: only the rows in sight are in the document -------------------------------

  // Sizes the scroll area to the whole dump; the row height is measured once the pane shows.
  function layoutHex() {
    if (hex.hidden || !core)
      return;
    if (hexRowHeight === 0) {
      const probe = document.createElement("div");
      probe.className = "hex-row";
      probe.textContent = "0";
      hexRows.append(probe);
      hexRowHeight = probe.getBoundingClientRect().height;
      probe.remove();
    }
    hexSpacer.style.height = Math.ceil(core.dumpSize() / kHexRowBytes) * hexRowHeight + "px";
    paintHex();
  }

  function paintHex() {
    if (hex.hidden || hexRowHeight === 0)
      return;
    const first = Math.floor(hex.scrollTop / hexRowHeight);
    const count = Math.ceil(hex.clientHeight / hexRowHeight) + 1;
    const fragment = document.createDocumentFragment();
    for (const row of core.hexRows(first, count)) {
      const line = document.createElement("div");
      line.className = "hex-row";
      const offset = document.createElement("span");
      offset.className = "offset";
      offset.textContent = row.offsetText;
      line.append(offset);
      row.bytes.forEach((text, i) => {
        const byte = document.createElement("span");
        byte.className = "byte";
        const at = row.offset + i;
        byte.dataset.offset = String(at);
        if (litRanges.some(([from, to]) => from <= at && at <= to))
          byte.classList.add("lit");
        byte.textContent = text;
        line.append(byte);
      });
      const column = document.createElement("span");
      column.className = "text";
      column.textContent = row.text;
      line.append(column);
      fragment.append(line);
    }
    hexRows.style.transform = "translateY(" + first * hexRowHeight + "px)";
    hexRows.replaceChildren(fragment);
  }

  hex.addEventListener("scroll", () => requestAnimationFrame(paintHex));
  window.addEventListener("resize", () => requestAnimationFrame(paintHex));
  hex.addEventListener("click", (event) => {
    const byte = event.target.closest(".byte");
    if (!byte)
      return;
    const offset = Number(byte.dataset.offset);
    status.textContent = core.describeByte(offset);
    selectLines(core.linesReading(offset), false);
  });
  $("hex-toggle").addEventListener("click", () => {
    hex.hidden = !hex.hidden;
    $("hex-toggle").setAttribute("aria-pressed", hex.hidden ? "false" : "true");
    layoutHex();
  });

  // ---- About ------------------------------------------------------------------------------

  function fillAbout() {
    const about = core.about();
    $("product-name").textContent = about.name;
    $("about-name").textContent = about.name;
    $("about-credit").textContent = "Programming: the " + about.name + " team, 2014";
    $("about-copyright").textContent = "\u00A9 2014 " + about.name + ", all rights reserved";
    $("about-web").textContent = about.webAddress;
    $("about-web").href = about.webAddress;
    $("about-mail").textContent = about.contactEmail;
    $("about-mail").href = "mailto:" + about.contactEmail;
    document.title = about.name + " by " + about.webAddress;
  }
  $("about-open").addEventListener("click", () => aboutDialog.showModal());
  $("about-ok").addEventListener("click", () => aboutDialog.close());

  // ---- Start ------------------------------------------------------------------------------

  // The module's bytes come inlined (faultwise-core-wasm.js), so nothing is fetched.
  const wasmBinary = Uint8Array.from(atob(faultwiseCoreWasm), (c) => c.charCodeAt(0));
  FaultwiseCore({wasmBinary}).then((module) => {
    core = module;
    fillAbout();
    buildTree();
    updateCheckEnabled();
    performance.mark("faultwise-ready");
    document.body.dataset.ready = "true";
  });
})();
