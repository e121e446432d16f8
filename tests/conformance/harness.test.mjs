// Checks of the harness itself on hand-written movies: that a frame number means that frame,
// that Ruffle's stage facts, log and link openings reach the test, and that a broken movie fails.
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";
import { compareStage } from "./lib/compareStage.mjs";
import { Raster } from "./lib/Raster.mjs";
import { RuffleBrowser } from "./lib/RuffleBrowser.mjs";
import { SwfBuilder } from "./lib/SwfBuilder.mjs";

const GREY = [128, 128, 128];
const RED = [255, 0, 0];
const GREEN = [0, 255, 0];
const BLUE = [0, 0, 255];

// Frame k shows a square of colour k at offset (k, k) on a grey stage, one square at a time.
function threeSquares() {
  const movie = new SwfBuilder({ width: 40, height: 30, frameRate: 24 }).background(GREY);
  [RED, GREEN, BLUE].forEach((colour, k) => {
    movie.rectangle(k + 1, colour, { x: k + 1, y: k + 1, w: 10, h: 8 });
    if (k) movie.remove(1);
    movie.place(k + 1, 1).showFrame();
  });
  return movie.toBytes();
}

function expectedSquare(colour, offset) {
  const square = Raster.filled(offset + 10, offset + 8, [0, 0, 0, 0]);
  for (let y = offset; y < offset + 8; y++) {
    for (let x = offset; x < offset + 10; x++) square.data.set([...colour, 255], (y * square.width + x) * 4);
  }
  return square.onStage(40, 30, GREY);
}

function linked(url, target) {
  return new SwfBuilder({ width: 20, height: 20 })
    .background(GREY)
    .rectangle(1, RED, { w: 20, h: 20 })
    .linkButton(2, 1, url, target)
    .place(2, 1)
    .showFrame()
    .toBytes();
}

describe("Ruffle harness", () => {
  let browser;
  before(async () => {
    browser = await RuffleBrowser.launch();
  });
  after(() => browser?.close());

  test("reports the stage size, frame rate and frame count of the header", async () => {
    const movie = await browser.load(threeSquares());
    assert.deepEqual(
      [movie.metadata.width, movie.metadata.height, movie.metadata.frameRate, movie.metadata.numFrames],
      [40, 30, 24, 3],
    );
    await movie.frame(1);
    assert.equal(browser.rendererInUse, "canvas");
  });

  test("shows exactly frame N at step N and loops after the last frame", async () => {
    const movie = await browser.load(threeSquares());
    const want = { 1: expectedSquare(RED, 1), 2: expectedSquare(GREEN, 2), 3: expectedSquare(BLUE, 3), 4: expectedSquare(RED, 1) };
    for (const frame of [1, 2, 3, 4]) {
      assert.equal(compareStage(await movie.frame(frame), want[frame]), null, `frame ${frame}`);
    }
    assert.deepEqual(movie.log, []);
  });

  test("cannot step backwards", async () => {
    const movie = await browser.load(threeSquares());
    await movie.frame(2);
    await assert.rejects(movie.frame(1), /cannot show frame 1 after frame 2/);
  });

  const links = [
    { name: "new window", target: "_blank" },
    { name: "named window", target: "promo" },
    { name: "same window", target: "_self" },
    { name: "own window, empty target", target: "" },
  ];
  for (const { name, target } of links) {
    test(`a click on a link button reports its address and target (${name})`, async () => {
      const movie = await browser.load(linked("http://www.example.com/a?b=1", target));
      await movie.frame(1);
      assert.deepEqual(await movie.click(10, 10), [{ url: "http://www.example.com/a?b=1", target }]);
    });
  }

  test("a click on a movie without a button opens nothing", async () => {
    const movie = await browser.load(threeSquares());
    await movie.frame(1);
    assert.deepEqual(await movie.click(5, 5), []);
  });

  test("Ruffle's complaints about a movie reach the log", async () => {
    const movie = await browser.load(new SwfBuilder({ width: 10, height: 10 }).place(99, 1).showFrame().toBytes());
    await movie.frame(1);
    assert.match(movie.log.join("\n"), /character ID 99/);
  });

  test("a file that is not a movie fails to load", async () => {
    await assert.rejects(browser.load(Buffer.from("GIF89a not a movie at all")), /could not load the movie/);
  });
});
