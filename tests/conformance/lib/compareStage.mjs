// Compares a rendered stage with the expected one, colour channels only (the stage is opaque).
// Returns null when they agree within `tolerance` per channel, else a description of the
// difference naming the first differing pixel and the worst one.
export function compareStage(got, want, tolerance = 0) {
  if (got.width !== want.width || got.height !== want.height) {
    return `stage is ${got.width} x ${got.height}, expected ${want.width} x ${want.height}`;
  }
  let differing = 0;
  let first = null;
  let worst = null;
  for (let y = 0; y < got.height; y++) {
    for (let x = 0; x < got.width; x++) {
      const g = got.pixel(x, y);
      const w = want.pixel(x, y);
      const diff = Math.max(...[0, 1, 2].map((c) => Math.abs(g[c] - w[c])));
      if (diff <= tolerance) continue;
      differing++;
      const spot = { x, y, got: g.slice(0, 3), want: w.slice(0, 3), diff };
      first ??= spot;
      if (!worst || diff > worst.diff) worst = spot;
    }
  }
  if (!differing) return null;
  const show = (s) => `(${s.x}, ${s.y}) is ${s.got.join(",")} instead of ${s.want.join(",")}`;
  return `${differing} of ${got.width * got.height} pixels differ by more than ${tolerance}; ` +
    `first ${show(first)}, worst ${show(worst)}`;
}
