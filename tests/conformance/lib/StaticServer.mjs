// HTTP server on 127.0.0.1 (a free port) for the stage page, Ruffle's files and the movie
// under test. Nothing else is served and nothing listens beyond the loopback address.
import { existsSync, readFileSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join } from "node:path";

const CONTENT_TYPES = { ".js": "text/javascript", ".wasm": "application/wasm", ".map": "application/json" };

export class StaticServer {
  #server;
  #page;
  #ruffleDir;
  #movies = new Map();

  constructor(pageHtml, ruffleDir) {
    this.#page = pageHtml;
    this.#ruffleDir = ruffleDir;
    this.#server = createServer((req, res) => this.#answer(req, res));
  }

  async start() {
    await new Promise((resolve, reject) => {
      this.#server.once("error", reject);
      this.#server.listen(0, "127.0.0.1", resolve);
    });
    return this;
  }

  get origin() {
    return `http://127.0.0.1:${this.#server.address().port}`;
  }

  // Serves the bytes at /movie/NAME until forgotten.
  offerMovie(name, bytes) {
    this.#movies.set(name, bytes);
    return `${this.origin}/movie/${name}`;
  }

  forgetMovie(name) {
    this.#movies.delete(name);
  }

  close() {
    this.#server.closeAllConnections();
    return new Promise((resolve) => this.#server.close(resolve));
  }

  #answer(req, res) {
    const path = new URL(req.url, this.origin).pathname;
    let body = null;
    let type = "application/octet-stream";
    if (path === "/") {
      body = this.#page;
      type = "text/html";
    } else if (path.startsWith("/movie/")) {
      body = this.#movies.get(path.slice("/movie/".length)) ?? null;
    } else if (/^\/ruffle\/[\w.-]+$/.test(path)) {
      const file = join(this.#ruffleDir, path.slice("/ruffle/".length));
      if (existsSync(file)) {
        body = readFileSync(file);
        type = CONTENT_TYPES[extname(file)] ?? type;
      }
    }
    if (body === null) {
      res.writeHead(404).end();
      return;
    }
    res.writeHead(200, { "Content-Type": type, "Cache-Control": "max-age=3600" }).end(body);
  }
}
