// The project's movies played in Ruffle: for each packing mode, generated images are converted
// with brindlecast-cli and what Ruffle shows is compared with the source pictures as the image
// libraries decode them.
import assert from "node:assert/strict";
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { basename, extname, join } from "node:path";
import { after, before, describe, test } from "node:test";
import { compareStage } from "./lib/compareStage.mjs";
import { libraryExports, makeMovies, sourcePictures, writeFixture } from "./lib/ProjectTools.mjs";
import { Raster } from "./lib/Raster.mjs";
import { RuffleBrowser } from "./lib/RuffleBrowser.mjs";

// Ruffle decodes JPEG data with its own decoder, whose rounding differs from libjpeg-turbo's by
// up to 3 per channel on these pictures; a wrong picture or block differs by far more.
const JPEG_TOLERANCE = 5;
const WHITE = [255, 255, 255];

// Source images, as brindlecast-fixture writes them. A GIF's frames after the first may be
// smaller than its screen, at offsets stepping by offsetStep; every frame may have its own
// table and a transparent index.
const gif = (width, height, { frames = 1, colors, localColors, frameSize, offsetStep, transparent } = {}) => {
  const args = ["--size", `${width}x${height}`, "--frames", String(frames)];
  if (colors !== undefined) args.push("--colors", String(colors));
  if (localColors !== undefined) args.push("--local-colors", String(localColors));
  if (frameSize) args.push("--frame-size", frameSize.join("x"));
  if (offsetStep) args.push("--offset-step", offsetStep.join(","));
  if (transparent !== undefined) args.push("--transparent", String(transparent));
  return { type: "gif", width, height, frames, args };
};
const jpeg = (width, height, { grey = false, progressive = false, seed = 0 } = {}) => {
  const args = ["--size", `${width}x${height}`, "--seed", String(seed)];
  if (grey) args.push("--grey");
  if (progressive) args.push("--progressive");
  return { type: "jpeg", width, height, frames: 1, args };
};

// Mode 0. Options left out take the defaults of a new project (link and target included).
const ALL_IN_ONE = [
  {
    name: "an animated GIF of odd width, two movie frames a picture",
    images: { "walk.gif": gif(13, 7, { frames: 3, colors: 16 }) },
    options: { frameRate: 12, delay: 2, background: "#3366CC" },
  },
  {
    name: "GIF frames at offsets with local tables and transparency, without a link",
    images: {
      "sprite.gif": gif(20, 16, {
        frames: 3, colors: 8, localColors: 32, frameSize: [9, 5], offsetStep: [3, 2], transparent: 16,
      }),
    },
    options: { frameRate: 25, delay: 1, background: "#E0C010", link: "" },
    transparentPixels: true,
  },
  {
    name: "baseline, progressive and greyscale JPEGs beside a small GIF, link to a named window",
    images: {
      "photo.jpg": jpeg(33, 21, { seed: 1 }),
      "scan.jpg": jpeg(24, 30, { progressive: true, seed: 2 }),
      "grey.jpg": jpeg(17, 17, { grey: true, seed: 3 }),
      "dot.gif": gif(5, 8, { colors: 4 }),
    },
    options: {
      frameRate: 8, delay: 3, background: "#102030",
      link: "http://www.example.com/brindlecast/?from=conformance", target: "promo",
    },
  },
];

const DEFAULTS = { frameRate: 12, delay: 1, background: "#FFFFFF", link: "http://www.example.com/brindlecast/", target: "_blank" };

const rgbOf = (hex) => [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16));

let browser;
let scratch;
let keepScratch = Boolean(process.env.CONFORMANCE_KEEP);
before(async () => {
  scratch = mkdtempSync(join(tmpdir(), "brindlecast-movies-"));
  browser = await RuffleBrowser.launch();
});
after(async () => {
  await browser?.close();
  if (scratch && !keepScratch) rmSync(scratch, { recursive: true, force: true });
});

// Compares a rendered stage with the expected one; on a difference both are kept as PNG files
// beside the movie, named in the returned description.
function stageDifference(got, want, tolerance, dir, label) {
  const difference = compareStage(got, want, tolerance);
  if (!difference) return null;
  keepScratch = true;
  const stem = join(dir, label.replace(/\W+/g, "-"));
  writeFileSync(`${stem}-rendered.png`, got.toPng());
  writeFileSync(`${stem}-expected.png`, want.toPng());
  return `${difference} (see ${stem}-*.png)`;
}

// Writes the images into a folder of their own; returns it with each image's path, pictures
// and size (a GIF's logical screen, a JPEG's picture).
function prepare(name, images) {
  const dir = join(scratch, name.replace(/\W+/g, "-"));
  mkdirSync(dir, { recursive: true });
  const sources = Object.entries(images).map(([file, fixture]) => {
    const path = join(dir, file);
    writeFixture(fixture, path);
    return { file, path, fixture, pictures: sourcePictures(path, scratch), width: fixture.width, height: fixture.height };
  });
  return { dir, sources };
}

function makeArguments(mode, options, sources, output) {
  const args = ["--mode", mode];
  if (output) args.push("--output", output);
  if (options.frameRate !== undefined) args.push("--frame-rate", String(options.frameRate));
  if (options.delay !== undefined) args.push("--delay", String(options.delay));
  if (options.background !== undefined) args.push("--background", options.background);
  if (options.link !== undefined) args.push("--link", options.link);
  if (options.target !== undefined) args.push("--target", options.target);
  return [...args, ...sources.map((s) => s.path)];
}

function stageFacts(metadata) {
  const { width, height, frameRate, numFrames } = metadata;
  return { width, height, frameRate, numFrames };
}

const toleranceFor = (source) => (source.fixture.type === "jpeg" ? JPEG_TOLERANCE : 0);

describe("one movie of all pictures", () => {
  for (const c of ALL_IN_ONE) {
    test(c.name, async () => {
      const options = { ...DEFAULTS, ...c.options };
      const { dir, sources } = prepare(c.name, c.images);
      makeMovies(makeArguments("all", c.options, sources, "movie.swf"), dir);
      const movie = await browser.load(readFileSync(join(dir, "movie.swf")));

      const shown = sources.flatMap((source) => source.pictures.map((picture) => ({ source, picture })));
      if (c.transparentPixels) {
        assert.ok(shown.every(({ picture }) => picture.data.some((v, i) => i % 4 === 3 && v === 0)), "every frame has transparent pixels");
      }
      const width = Math.max(...sources.map((s) => s.width));
      const height = Math.max(...sources.map((s) => s.height));
      assert.deepEqual(stageFacts(movie.metadata), { width, height, frameRate: options.frameRate, numFrames: shown.length * options.delay });

      // Picture i is on screen from frame (i - 1) * delay + 1 to i * delay: check both ends.
      const problems = [];
      for (const [i, { source, picture }] of shown.entries()) {
        const want = picture.onStage(width, height, rgbOf(options.background));
        for (const frame of new Set([i * options.delay + 1, (i + 1) * options.delay])) {
          const difference = stageDifference(await movie.frame(frame), want, toleranceFor(source), dir, `frame ${frame}`);
          if (difference) problems.push(`frame ${frame} (${source.file} picture ${i + 1}): ${difference}`);
        }
      }
      assert.deepEqual(problems, []);

      const opened = await movie.click(Math.floor(width / 2), Math.floor(height / 2));
      assert.deepEqual(opened, options.link ? [{ url: options.link, target: options.target }] : []);
      assert.deepEqual(movie.log, []);
    });
  }
});

// Mode 1: every picture in a single-frame movie beside its source, on white at 12 frames a
// second, the size of its source.
const EACH_PICTURE = {
  "anim.gif": gif(10, 6, { frames: 2, colors: 8, frameSize: [5, 3], offsetStep: [4, 1], transparent: 2 }),
  "logo.gif": gif(7, 9, { colors: 4 }),
  "photo.jpg": jpeg(20, 12, { seed: 4 }),
  "scan.jpg": jpeg(16, 10, { grey: true, progressive: true, seed: 5 }),
};

// The movie files mode 1 writes for an image: name_F1.swf ... for a GIF of several frames.
function moviesOf(file, fixture) {
  const base = basename(file, extname(file));
  const count = fixture.frames;
  return Array.from({ length: count }, (_, k) => ({ movie: count > 1 ? `${base}_F${k + 1}.swf` : `${base}.swf`, picture: k }));
}

describe("one movie per picture", () => {
  let prepared;
  before(() => {
    prepared = prepare("each", EACH_PICTURE);
    makeMovies(makeArguments("each", {}, prepared.sources), prepared.dir);
  });

  for (const [file, fixture] of Object.entries(EACH_PICTURE)) {
    for (const { movie: movieFile, picture } of moviesOf(file, fixture)) {
      test(`${movieFile} shows picture ${picture + 1} of ${file}`, async () => {
        const source = prepared.sources.find((s) => s.file === file);
        const movie = await browser.load(readFileSync(join(prepared.dir, movieFile)));
        assert.deepEqual(stageFacts(movie.metadata), { width: source.width, height: source.height, frameRate: 12, numFrames: 1 });
        const want = source.pictures[picture].onStage(source.width, source.height, WHITE);
        assert.equal(stageDifference(await movie.frame(1), want, toleranceFor(source), prepared.dir, movieFile), null);
        assert.deepEqual(movie.log, []);
      });
    }
  }
});

// Mode 2: one movie that defines every picture and exports it by name; nothing is on stage.
const LIBRARY = {
  "anim.gif": gif(6, 5, { frames: 3, colors: 8 }),
  "photo.jpg": jpeg(12, 9, { seed: 6 }),
  "logo.gif": gif(7, 3, { colors: 4 }),
};

describe("image library", () => {
  let prepared;
  before(() => {
    prepared = prepare("library", LIBRARY);
    makeMovies(makeArguments("library", {}, prepared.sources, "library.swf"), prepared.dir);
  });

  test("plays in Ruffle without complaint: an empty white 100 x 100 stage, one frame", async () => {
    const movie = await browser.load(readFileSync(join(prepared.dir, "library.swf")));
    assert.deepEqual(stageFacts(movie.metadata), { width: 100, height: 100, frameRate: 12, numFrames: 1 });
    assert.equal(stageDifference(await movie.frame(1), Raster.filled(100, 100, WHITE), 0, prepared.dir, "library"), null);
    assert.deepEqual(movie.log, []);
  });

  test("exports every picture by name, each as a shape of its own", () => {
    const exports = libraryExports(join(prepared.dir, "library.swf"));
    assert.deepEqual(exports.map((e) => e.name), ["anim_F1", "anim_F2", "anim_F3", "photo", "logo"]);
    assert.deepEqual(exports.map((e) => e.kind), Array(5).fill("shape"));
    assert.equal(new Set(exports.map((e) => e.id)).size, 5);
  });
});
