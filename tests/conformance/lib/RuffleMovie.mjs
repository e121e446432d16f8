// One movie playing in Ruffle on the stage page, stepped one frame at a time on the page's
// virtual clock. Frame N is the stage after N frames have run (1-based), so frames past the
// movie's end show it looping, as a Flash player does.
import { Raster } from "./Raster.mjs";

const CLICK_SETTLE_MS = 200;
// Compiling Ruffle's module for the first movie takes seconds, more on a busy machine.
const LOAD_TIMEOUT_MS = 60000;

// Runs in the page: replaces the previous player, loads the movie, waits for its header.
async function loadInPage({ url, timeoutMs }) {
  window.__player?.remove();
  window.__resetClock();
  window.__opened = [];
  const player = window.RufflePlayer.newest().createPlayer();
  // Absolute at the top-left corner: an inline player would sit on a text baseline.
  Object.assign(player.style, { display: "block", position: "absolute", left: "0", top: "0" });
  document.body.appendChild(player);
  const style = document.createElement("style");
  style.textContent = "canvas { display: block; }";
  player.shadowRoot.appendChild(style);
  window.__player = player;
  const timeout = new Promise((_, reject) =>
    setTimeout(() => reject(new Error("timed out loading the movie")), timeoutMs),
  );
  const data = await (await fetch(url)).arrayBuffer();
  await Promise.race([player.ruffle().load({ data, swfFileName: "movie.swf" }), timeout]);
  while (!player.ruffle().metadata) await Promise.race([new Promise((r) => setTimeout(r, 10)), timeout]);
  const { width, height, frameRate, numFrames, swfVersion, backgroundColor } = player.ruffle().metadata;
  return { width, height, frameRate, numFrames, swfVersion, backgroundColor };
}

// Runs in the page: sizes the player to the stage and runs `steps` frames; returns what went
// wrong, or null.
function stepInPage({ steps, width, height }) {
  const player = window.__player;
  player.style.width = `${width}px`;
  player.style.height = `${height}px`;
  for (let i = 0; i < steps; i++) {
    if (window.__step() === 0) return "Ruffle's animation loop is not running";
  }
  const root = player.shadowRoot;
  for (const id of ["panic", "message-overlay"]) {
    const shown = root.getElementById(id);
    if (shown) return `Ruffle shows "${shown.innerText.replace(/\s+/g, " ").slice(0, 300)}"`;
  }
  return root.querySelector("canvas") ? null : "Ruffle has no canvas";
}

// Runs in the page: the pixels of Ruffle's canvas, base64-encoded RGBA. Read from a copy of the
// canvas rather than by a screenshot, which waits for the animation frames the page holds back;
// the copy is made for reading, so Ruffle's own canvas is left alone.
function readStageInPage({ width, height }) {
  const canvas = window.__player.shadowRoot.querySelector("canvas");
  if (canvas.width !== width || canvas.height !== height) {
    return { problem: `Ruffle's canvas is ${canvas.width} x ${canvas.height}, the stage ${width} x ${height}` };
  }
  const copy = document.createElement("canvas");
  copy.width = width;
  copy.height = height;
  const context = copy.getContext("2d", { willReadFrequently: true });
  context.drawImage(canvas, 0, 0);
  const pixels = context.getImageData(0, 0, width, height).data;
  let binary = "";
  for (let i = 0; i < pixels.length; i += 0x8000) binary += String.fromCharCode(...pixels.subarray(i, i + 0x8000));
  return btoa(binary);
}

export class RuffleMovie {
  #browser;
  #page;
  #framesRun = 0;
  metadata;

  constructor(page, metadata, browser) {
    this.#page = page;
    this.metadata = metadata;
    this.#browser = browser;
  }

  // `browser` (a RuffleBrowser) holds the log and the openings and hears of failures.
  static async load(page, url, browser) {
    let metadata;
    try {
      metadata = await page.evaluate(loadInPage, { url, timeoutMs: LOAD_TIMEOUT_MS });
    } catch (error) {
      const reason = error.message.split("\n")[0].replace(/^page\.evaluate: (\w+: )?/, "");
      throw new Error(`Ruffle could not load the movie: ${reason}${describeLog(browser.log)}`);
    }
    if (!(metadata.width > 0 && metadata.height > 0)) {
      throw new Error(`the movie has an empty stage (${metadata.width} x ${metadata.height})`);
    }
    await page.setViewportSize({ width: Math.max(metadata.width, 16), height: Math.max(metadata.height, 16) });
    return new RuffleMovie(page, metadata, browser);
  }

  // Ruffle's errors and warnings since this movie was loaded.
  get log() {
    return [...this.#browser.log];
  }

  // Runs the movie up to frame `frame` (never backwards) and returns the stage as RGBA.
  async frame(frame) {
    if (!Number.isInteger(frame) || frame < Math.max(this.#framesRun, 1)) {
      throw new Error(`cannot show frame ${frame} after frame ${this.#framesRun}`);
    }
    const { width, height } = this.metadata;
    let problem;
    try {
      problem = await this.#page.evaluate(stepInPage, { steps: frame - this.#framesRun, width, height });
    } catch (error) {
      problem = `Ruffle crashed: ${error.message.replace(/^page\.evaluate: /, "").split("\n")[0]}`;
    }
    if (problem) this.#fail(`frame ${frame}: ${problem}`);
    this.#framesRun = frame;
    const stage = await this.#page.evaluate(readStageInPage, { width, height });
    if (typeof stage !== "string") this.#fail(`frame ${frame}: ${stage.problem}`);
    return new Raster(width, height, Buffer.from(stage, "base64"));
  }

  // Presses and releases the mouse on stage pixel (x, y); returns every attempt to leave the
  // page since the movie was loaded.
  async click(x, y) {
    await this.#page.mouse.move(x + 0.5, y + 0.5);
    await this.#page.mouse.down();
    await this.#page.mouse.up();
    // A navigation of the page reaches the request router a moment after the release.
    await this.#page.waitForTimeout(CLICK_SETTLE_MS);
    const opened = await this.#page.evaluate(() => window.__opened);
    return [...opened, ...this.#browser.openings];
  }

  #fail(problem) {
    this.#browser.pageFailed();
    throw new Error(`${problem}${describeLog(this.#browser.log)}`);
  }
}

function describeLog(log) {
  return log.length ? `\n  Ruffle logged:\n    ${log.join("\n    ")}` : "";
}
