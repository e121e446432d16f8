// The one page the browser loads: Ruffle's script plus hooks that make playback deterministic
// and observable from the test.

// Ruffle options: every frame is driven by the virtual clock below (frame rate forced to 1, one
// frame per 1000 ms step), nothing is drawn over the stage, and links are handed to the page,
// also those for the page's own window (which needs script access). The canvas renderer draws
// a colour-mapped bitmap's table as straight alpha; the WebGL one (software in headless
// Chromium) as premultiplied. The project's tables hold only opaque entries and (0, 0, 0, 0),
// on which both agree, and the canvas renderer is the faster one.
export function ruffleConfig() {
  return {
    autoplay: "on",
    unmuteOverlay: "hidden",
    splashScreen: false,
    contextMenu: "off",
    letterbox: "off",
    scale: "showAll",
    preferredRenderer: "canvas",
    frameRate: 1,
    logLevel: "warn",
    warnOnUnsupportedContent: false,
    allowNetworking: "all",
    openUrlMode: "allow",
    allowScriptAccess: true,
    backgroundExecutionMode: "none",
    maxExecutionDuration: 5,
  };
}

export function stagePage(config) {
  return `<!doctype html><html><head><meta charset="utf-8"><link rel="icon" href="data:,">
<style>html,body{margin:0;padding:0;overflow:hidden;background:#ff00ff}</style>
<script>
// Ruffle's loop only runs when the test steps the clock: requestAnimationFrame callbacks wait
// in a queue, and each step hands them a time exactly 1000 ms after the previous one. Real
// time stamps made Ruffle skip or repeat frames.
const queued = new Map();
let nextId = 1;
window.requestAnimationFrame = (cb) => { queued.set(nextId, cb); return nextId++; };
window.cancelAnimationFrame = (id) => { queued.delete(id); };
window.__clock = 0;
window.__resetClock = () => { queued.clear(); window.__clock = 0; };
window.__step = () => {
  const callbacks = [...queued.values()];
  queued.clear();
  window.__clock += 1000;
  callbacks.forEach((cb) => cb(window.__clock));
  return callbacks.length;
};
// A link opens nothing: it is recorded for the test.
window.__opened = [];
window.open = (url, target) => {
  window.__opened.push({ url: String(url), target: String(target ?? "") });
  return null;
};
// Without audio Ruffle uses its silent backend, so no sound clock can shift frames.
window.AudioContext = window.webkitAudioContext = function () { throw new Error("audio disabled"); };
window.RufflePlayer = { config: ${JSON.stringify(config)} };
</script>
<script src="/ruffle/ruffle.js"></script></head><body></body></html>`;
}
