// The page of mdx serve, kept in the program so it needs no files beside it.
#include "ServePage.h"

const std::string& servePage() {
    static const std::string page =
        R"PAGE(<!doctype html>
<html lang="en"><head><meta charset="utf-8"><title>mdx serve</title>
<style>
body{font:14px sans-serif;margin:0;background:#3a6ea5;color:#000}
#bar{background:#d4d0c8;padding:6px;display:flex;gap:6px;align-items:center;flex-wrap:wrap}
#bar textarea{width:260px;height:22px}
#desk{padding:12px;display:flex;flex-direction:column;gap:16px;align-items:flex-start}
.win{position:relative;outline:1px solid #000}
.win img{display:block;user-select:none;-webkit-user-drag:none}
.win.inactive{opacity:.75}
#status{color:#800;margin-left:8px}
.pop{position:fixed;background:#fff;border:1px solid #000;box-shadow:3px 3px 0 #0006;z-index:9;max-height:300px;overflow:auto;min-width:120px}
.pop div{padding:2px 8px;cursor:default}.pop div:hover{background:#0a246a;color:#fff}
.box{position:fixed;left:50%;top:30%;transform:translate(-50%,0);background:#d4d0c8;border:2px outset #fff;padding:12px;z-index:10;max-width:480px}
.box p{white-space:pre-wrap}
</style></head><body>
<div id="bar">
<select id="launch"></select>
<textarea id="args" title="Arguments of the launch point (JSON)">{}</textarea>
<button id="open">Open</button>
<span id="drawing"></span>
<button id="save">Save drawing</button>
<a id="scenario" href="/api/scenario" download="session.json">Save session as scenario</a>
<button id="quit">Quit</button>
<span id="status" role="status"></span>
</div>
<div id="desk"></div>
<script>
"use strict";
const desk = document.getElementById("desk"), statusLine = document.getElementById("status");
const NAMES = {1:"OK",2:"Cancel",3:"Abort",4:"Retry",5:"Ignore",6:"Yes",7:"No"};
const KEYS = {Enter:13,Escape:27,Tab:9,Backspace:8,Delete:46,ArrowLeft:37,ArrowUp:38,
  ArrowRight:39,ArrowDown:40,Home:36,End:35,PageUp:33,PageDown:34,F1:112,F2:113,F3:114,
  F4:115,F5:116,F6:117,F7:118,F8:119,F9:120,F10:121,F11:122,F12:123};
let state = null, queue = Promise.resolve(), popup = null, typed = "", typeTimer = null;

let pending = 0;
function send(request) {
  document.body.dataset.pending = ++pending;
  queue = queue.then(async () => {
    const started = performance.now();
    const reply = await fetch("/api/request", {method: "POST",
      headers: {"Content-Type": "application/json"}, body: JSON.stringify(request)});
    const body = await reply.json();
    if (!reply.ok) { statusLine.textContent = body.error || reply.statusText; return; }
    statusLine.textContent = "";
    show(body);
    document.body.dataset.latency = Math.round(performance.now() - started);
  }).catch(e => { statusLine.textContent = String(e); })
    .finally(() => { document.body.dataset.pending = --pending; });
  return queue;
}
function act(action) { return send({kind: "user", action}); }
function pointer(win, event, x, y, e) {
  return act({action: "pointer", event, x: Math.max(0, Math.round(x)),
    y: Math.max(0, Math.round(y)), dialog: win.dialog, shift: !!e.shiftKey, ctrl: !!e.ctrlKey});
}
function closePopup() { if (popup) { popup.remove(); popup = null; } }
function showList(x, y, entries, choose) {
  closePopup();
  popup = document.createElement("div");
  popup.className = "pop"; popup.style.left = x + "px"; popup.style.top = y + "px";
  entries.forEach((text, i) => {
    const item = document.createElement("div");
    item.textContent = text || "\u00a0";
    item.onclick = ev => { ev.stopPropagation(); closePopup(); choose(i); };
    popup.appendChild(item);
  });
  document.body.appendChild(popup);
}
function chooserAt(win, x, y) {
  // The deepest control that offers items; a tab control only on its row of tabs.
  const hits = (win.controls || []).filter(c => c.items && c.enabled && x >= c.x &&
    y >= c.y && x < c.x + c.width && y < c.y + c.height &&
    (c.kind !== "SysTabControl32" || y < c.y + 22));
  return hits[hits.length - 1];
}
function attach(img, win) {
  // The second press of a double click is the dblclick event's (the window system sends
  // down, up, double click, up); any other press starts a click or a drag.
  let press = null, lastClick = {x: -99, y: -99, t: 0};
  const at = e => { const r = img.getBoundingClientRect(); return [e.clientX - r.left, e.clientY - r.top]; };
  img.addEventListener("mousedown", e => {
    if (e.button !== 0) return;
    e.preventDefault(); flushTyping();
    const [x, y] = at(e);
    if (performance.now() - lastClick.t < 500 && Math.hypot(x - lastClick.x, y - lastClick.y) < 5)
      return;
    press = {x, y, moved: false};
  });
  img.addEventListener("mousemove", e => {
    if (!press || !(e.buttons & 1)) return;
    const [x, y] = at(e);
    if (!press.moved && Math.hypot(x - press.x, y - press.y) < 4) return;
    if (!press.moved) { press.moved = true; pointer(win, "down", press.x, press.y, e); }
    pointer(win, "move", x, y, e);
  });
  img.addEventListener("mouseup", e => {
    if (e.button !== 0 || !press) return;
    const [x, y] = at(e), was = press; press = null;
    if (was.moved) return pointer(win, "up", x, y, e);
    lastClick = {x, y, t: performance.now()};
    const chooser = chooserAt(win, x, y);
    if (chooser) return showList(e.clientX, e.clientY, chooser.items, index =>
      act({action: "select", control: chooser.control, index, dialog: win.dialog}));
    pointer(win, "click", x, y, e);
  });
  img.addEventListener("dblclick", e => { const [x, y] = at(e); pointer(win, "dblclk", x, y, e); });
  img.addEventListener("contextmenu", e => {
    e.preventDefault(); const [x, y] = at(e); pointer(win, "right", x, y, e);
  });
}
function messageBox(w) {
  const box = document.createElement("div");
  box.className = "box"; box.setAttribute("role", "alertdialog");
  const title = document.createElement("b"); title.textContent = w.caption;
  const text = document.createElement("p"); text.textContent = w.text;
  box.append(title, text);
  w.buttons.forEach(b => {
    const button = document.createElement("button");
    button.textContent = NAMES[b] || String(b);
    button.onclick = () => act({action: "answer", button: b});
    box.appendChild(button);
  });
  document.body.appendChild(box);
}
function show(s) {
  state = s; closePopup();
  document.querySelectorAll(".box").forEach(b => b.remove());
  desk.replaceChildren();
  s.windows.forEach(win => {
    const frame = document.createElement("div");
    frame.className = "win" + (win.enabled ? "" : " inactive");
    frame.dataset.dialog = win.dialog; frame.title = win.title;
    const img = new Image(win.width, win.height);
    img.src = win.picture; img.alt = win.title; img.draggable = false;
    attach(img, win);
    frame.appendChild(img); desk.appendChild(frame);
  });
  const w = s.waiting;
  if (w && w.kind === "a message box") messageBox(w);
  if (w && w.kind === "a menu") {
    const r = desk.getBoundingClientRect();
    showList(r.left + 40, r.top + 40, w.entries.map(e => e.text), i =>
      act({action: "menu", command: w.entries[i].command}));
    popup.insertAdjacentHTML("beforeend", "<div>(dismiss)</div>");
    popup.lastChild.onclick = () => { closePopup(); act({action: "menu"}); };
  }
  if (w && w.kind === "a file dialog") {
    const path = window.prompt((w.title || "File") + " (folder " + w.folder + ")", w.fileName);
    act(path ? {action: "files", paths: [path]} : {action: "files"});
  }
  const notes = [];
  if (s.returned && s.returned.launch) notes.push(s.returned.launch + " returned " +
    JSON.stringify(s.returned.result ?? s.returned.error));
  if (s.returned && s.returned.drawing) notes.push(s.returned.drawing);
  (s.failures || []).forEach(f => notes.push("not done: " + f));
  if (notes.length) statusLine.textContent = notes.join(" | ");
  document.body.dataset.version = s.version;
}
function activeDialog() {
  const wins = (state && state.windows) || [];
  const enabled = wins.filter(w => w.enabled);
  return (enabled.length ? enabled[enabled.length - 1] : {dialog: 0}).dialog;
}
function flushTyping() {
  clearTimeout(typeTimer);
  if (!typed) return;
  const text = typed; typed = "";
  act({action: "chars", text, dialog: activeDialog()});
}
document.addEventListener("keydown", e => {
  // Keys belong to the dialogs, except while typing arguments or choosing a launch point.
  if (e.target.matches && e.target.matches("#bar textarea, #bar select")) return;
  if (e.key.length === 1 && !e.ctrlKey && !e.altKey && !e.metaKey) {
    e.preventDefault(); typed += e.key;
    clearTimeout(typeTimer); typeTimer = setTimeout(flushTyping, 150);
    return;
  }
  const code = KEYS[e.key];
  if (!code) return;
  e.preventDefault(); flushTyping();
  act({action: "key", key: code, shift: e.shiftKey, ctrl: e.ctrlKey, dialog: activeDialog()});
});
document.addEventListener("click", e => { if (popup && !popup.contains(e.target)) closePopup(); });
document.getElementById("open").onclick = () => {
  let args;
  try { args = JSON.parse(document.getElementById("args").value || "{}"); }
  catch (e) { statusLine.textContent = "the arguments are not JSON"; return; }
  document.activeElement.blur();
  send({kind: "open", launch: document.getElementById("launch").value, args});
};
document.getElementById("save").onclick = () => {
  if (window.confirm("Write the drawing to its file now?")) send({kind: "save"});
};
document.getElementById("quit").onclick = () => send({kind: "quit"});
(async () => {
  const list = await (await fetch("/api/launch-points")).json();
  const select = document.getElementById("launch");
  list.launchPoints.forEach(name => select.add(new Option(name, name)));
  document.getElementById("drawing").textContent = list.drawing || "no drawing";
  document.getElementById("save").disabled = !list.drawing;
  send({kind: "state"});
})();
</script></body></html>
)PAGE";
    return page;
}
