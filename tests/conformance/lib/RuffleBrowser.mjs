// Headless Chromium with Ruffle's web build on a page served from 127.0.0.1. Owns the browser
// (fresh profile, removed on close), the server and one page; movies are loaded into that page
// one after another, which keeps Ruffle's compiled module for all of them.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium, ruffleDir } from "./deps.mjs";
import { RuffleMovie } from "./RuffleMovie.mjs";
import { ruffleConfig, stagePage } from "./stagePage.mjs";
import { StaticServer } from "./StaticServer.mjs";

const CHROMIUM_ARGS = [
  "--headless",
  "--no-sandbox",
  "--disable-gpu",
  "--disable-quic",
  "--no-first-run",
  "--disable-background-networking",
  "--disable-component-update",
  "--disable-sync",
  "--mute-audio",
];

// Console lines that are about the browser, not the movie: software GL notes and the audio
// that the page switches off on purpose.
const NOT_ABOUT_THE_MOVIE = /GL Driver Message|GPU stall|Unable to create audio backend/;

export class RuffleBrowser {
  #server;
  #context;
  #profileDir;
  #page;
  #pageBroken = false;
  #openingOwnPage = false;
  #watchdog;
  #movieCount = 0;
  log = [];
  // Every attempt to leave the page: window.open calls and requests for other addresses.
  openings = [];
  rendererInUse = null;

  // The whole process ends after timeLimitSeconds, whatever the caller is doing.
  static async launch({ timeLimitSeconds = 300, stepTimeoutSeconds = 60 } = {}) {
    const browser = new RuffleBrowser();
    await browser.#start(timeLimitSeconds, stepTimeoutSeconds);
    return browser;
  }

  async #start(timeLimitSeconds, stepTimeoutSeconds) {
    this.#watchdog = setTimeout(() => {
      process.stderr.write(`RuffleBrowser: time limit of ${timeLimitSeconds} s reached, stopping\n`);
      if (this.#profileDir) rmSync(this.#profileDir, { recursive: true, force: true });
      process.exit(1); // Playwright ends the browser it started when the process exits
    }, timeLimitSeconds * 1000);
    this.#watchdog.unref();
    this.#server = await new StaticServer(stagePage(ruffleConfig()), ruffleDir).start();
    this.#profileDir = mkdtempSync(join(tmpdir(), "brindlecast-conformance-"));
    this.#context = await chromium.launchPersistentContext(this.#profileDir, {
      executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
      headless: true,
      viewport: { width: 640, height: 480 },
      deviceScaleFactor: 1,
      args: CHROMIUM_ARGS,
      timeout: stepTimeoutSeconds * 1000,
    });
    this.#context.setDefaultTimeout(stepTimeoutSeconds * 1000);
    await this.#context.route("**/*", (route) => this.#routeRequest(route));
    this.#context.on("page", (page) => {
      if (!this.#openingOwnPage) this.openings.push({ url: page.url(), target: "new page" });
    });
    await this.#openPage();
  }

  async #openPage() {
    await this.#page?.close();
    this.#openingOwnPage = true;
    const page = await this.#context.newPage();
    this.#openingOwnPage = false;
    page.on("console", (message) => this.#noteConsole(message));
    page.on("pageerror", (error) => this.log.push(`pageerror: ${firstLines(error.message)}`));
    this.#page = page;
    this.#pageBroken = false;
    await page.goto(`${this.#server.origin}/`);
  }

  // Loads movie bytes into a fresh Ruffle player; the previous one is removed first. After a
  // failure the page is replaced: a panic leaves Ruffle unusable for every later movie.
  async load(bytes) {
    if (this.#pageBroken) await this.#openPage();
    this.log.length = 0;
    this.openings.length = 0;
    const name = `${++this.#movieCount}.swf`;
    const url = this.#server.offerMovie(name, bytes);
    try {
      return await RuffleMovie.load(this.#page, url, this);
    } catch (error) {
      this.pageFailed();
      throw error;
    } finally {
      this.#server.forgetMovie(name);
    }
  }

  // Called when playing a movie failed.
  pageFailed() {
    this.#pageBroken = true;
  }

  async close() {
    clearTimeout(this.#watchdog);
    await this.#context?.close().catch(() => {});
    await this.#server?.close();
    if (this.#profileDir) rmSync(this.#profileDir, { recursive: true, force: true });
  }

  // Ruffle logs through console.log as "%cLEVEL%c file:line%c message" with CSS arguments.
  #noteConsole(message) {
    const text = message.text();
    const renderer = /Used renderer: ([\w-]+)/.exec(text);
    if (renderer) this.rendererInUse = renderer[1];
    const ruffle = /^%c(ERROR|WARN)%c\s*(\S*)%c\s*(.*?)(?: color: |$)/s.exec(text);
    let entry = null;
    if (ruffle) entry = `${ruffle[1].toLowerCase()}: ${firstLines(ruffle[3])} (${ruffle[2] || "ruffle"})`;
    else if (["error", "warning"].includes(message.type())) entry = `${message.type()}: ${firstLines(text)}`;
    if (entry && !NOT_ABOUT_THE_MOVIE.test(entry)) this.log.push(entry);
  }

  // Requests for anything but the local server never leave the machine: they are recorded and
  // answered with 204 No Content, which also keeps a navigating page where it is. A link for
  // the movie's own window (empty target) arrives here as a navigation of the page.
  #routeRequest(route) {
    const request = route.request();
    if (request.url().startsWith(`${this.#server.origin}/`)) return route.continue();
    const target = request.isNavigationRequest() ? "" : "(request)";
    this.openings.push({ url: request.url(), target });
    return route.fulfill({ status: 204 });
  }
}

// A panic's message is followed by a long stack: its first lines say enough.
function firstLines(text) {
  return text.split("\n").slice(0, 2).join(" ");
}
