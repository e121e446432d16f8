import { PNG } from "./deps.mjs";

// An RGBA picture, row by row, 4 bytes a pixel.
export class Raster {
  constructor(width, height, data = new Uint8Array(width * height * 4)) {
    if (data.length !== width * height * 4) throw new Error(`${width} x ${height} raster with ${data.length} bytes`);
    Object.assign(this, { width, height, data });
  }

  static filled(width, height, [r, g, b, a = 255]) {
    const raster = new Raster(width, height);
    for (let i = 0; i < raster.data.length; i += 4) raster.data.set([r, g, b, a], i);
    return raster;
  }

  // Reads a PAM file (P7) of TUPLTYPE RGB_ALPHA, GRAYSCALE or RGB, MAXVAL 255.
  static fromPam(bytes) {
    const headerEnd = bytes.indexOf("ENDHDR\n");
    if (bytes.subarray(0, 3).toString("latin1") !== "P7\n" || headerEnd < 0) throw new Error("not a PAM file");
    const fields = Object.fromEntries(
      bytes.subarray(3, headerEnd).toString("latin1").trim().split("\n").map((line) => line.split(/\s+/, 2)),
    );
    const width = Number(fields.WIDTH);
    const height = Number(fields.HEIGHT);
    const depth = Number(fields.DEPTH);
    if (fields.MAXVAL !== "255" || ![1, 3, 4].includes(depth)) throw new Error(`unsupported PAM ${JSON.stringify(fields)}`);
    const pixels = bytes.subarray(headerEnd + "ENDHDR\n".length);
    if (pixels.length !== width * height * depth) throw new Error("PAM file is truncated");
    const raster = new Raster(width, height);
    for (let p = 0; p < width * height; p++) {
      const source = pixels.subarray(p * depth, p * depth + depth);
      const rgba = depth === 1 ? [source[0], source[0], source[0], 255] : [source[0], source[1], source[2], depth === 4 ? source[3] : 255];
      raster.data.set(rgba, p * 4);
    }
    return raster;
  }

  toPng() {
    const png = new PNG({ width: this.width, height: this.height });
    png.data = Buffer.from(this.data);
    return PNG.sync.write(png);
  }

  pixel(x, y) {
    const i = (y * this.width + x) * 4;
    return [...this.data.subarray(i, i + 4)];
  }

  // This raster drawn at the top-left corner of a stage of the given size and colour;
  // transparent pixels show the stage.
  onStage(width, height, [r, g, b]) {
    const stage = Raster.filled(width, height, [r, g, b, 255]);
    for (let y = 0; y < Math.min(height, this.height); y++) {
      for (let x = 0; x < Math.min(width, this.width); x++) {
        const [pr, pg, pb, pa] = this.pixel(x, y);
        if (pa === 0) continue;
        if (pa !== 255) throw new Error(`pixel (${x}, ${y}) is partly transparent (${pa})`);
        stage.data.set([pr, pg, pb, 255], (y * width + x) * 4);
      }
    }
    return stage;
  }
}
