// One movie playing in Ruffle on the stage page, stepped one frame at a time on the page's
// virtual clock. Frame N is the stage after N frames have run (1-based), so frames past the
// movie's end show it looping, as a Flash player does.
import { PNG } from "./deps.mjs";
import { Raster } from "./Raster.mjs";

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

export class RuffleMovie {
  #browser;
  #page;
  #framesRun = 0;
  metadata;

  constructor(browser, page, metadata) {
    this.#browser = browser;
    this.#page = page;
    this.metadata = metadata;
  }

  static async load(browser, page, url) {
    let metadata;
    try {
      metadata = await page.evaluate(loadInPage, { url, timeoutMs: 30000 });
    } catch (error) {
      const reason = error.message.split("\n")[0].replace(/^page\.evaluate: (\w+: )?/, "");
      throw new Error(`Ruffle could not load the movie: ${reason}${describeLog(browser.log)}`);
    }
    if (!(metadata.width > 0 && metadata.height > 0)) {
      throw new Error(`the movie has an empty stage (${metadata.width} x ${metadata.height})`);
    }
    await page.setViewportSize({ width: Math.max(metadata.width, 16), height: Math.max(metadata.height, 16) });
    return new RuffleMovie(browser, page, metadata);
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
    if (problem) throw new Error(`frame ${frame}: ${problem}${describeLog(this.#browser.log)}`);
    this.#framesRun = frame;
    const png = await this.#page.screenshot({
      clip: { x: 0, y: 0, width, height },
      animations: "disabled",
      caret: "initial",
    });
    const decoded = PNG.sync.read(png);
    return new Raster(decoded.width, decoded.height, decoded.data);
  }

  // Presses and releases the mouse on stage pixel (x, y); returns every attempt to leave the
  // page since the movie was loaded.
  async click(x, y) {
    await this.#page.mouse.move(x + 0.5, y + 0.5);
    await this.#page.mouse.down();
    await this.#page.mouse.up();
    // Ruffle handles the release on its next frame.
    await this.#page.evaluate(stepInPage, { steps: 1, ...this.metadata });
    this.#framesRun += 1;
    const opened = await this.#page.evaluate(() => window.__opened);
    return [...opened, ...this.#browser.openings];
  }
}

function describeLog(log) {
  return log.length ? `\n  Ruffle logged:\n    ${log.join("\n    ")}` : "";
}
