// A tiny hand-written SWF 6 writer for the harness's own checks: solid rectangles, placements,
// frames and a link button. The movies it writes are worked out from the file format, not from
// the project's writer, so the harness is checked independently of what it is used to check.

class BitWriter {
  #bytes = [];
  #bitCount = 0;

  bits(value, count) {
    for (let i = count - 1; i >= 0; i--) {
      if (this.#bitCount % 8 === 0) this.#bytes.push(0);
      if ((value >> i) & 1) this.#bytes[this.#bytes.length - 1] |= 0x80 >> this.#bitCount % 8;
      this.#bitCount++;
    }
    return this;
  }

  signed(value, count) {
    return this.bits(value & ((1 << count) - 1), count);
  }

  align() {
    this.#bitCount = this.#bytes.length * 8;
    return this;
  }

  bytes(list) {
    this.align();
    this.#bytes.push(...list);
    this.#bitCount = this.#bytes.length * 8;
    return this;
  }

  u16(value) {
    return this.bytes([value & 0xff, (value >> 8) & 0xff]);
  }

  toBytes() {
    return this.#bytes;
  }
}

// Bits needed for signed values (at least 2, as edge records require).
function signedBits(...values) {
  let bits = 2;
  while (values.some((v) => v < -(1 << (bits - 1)) || v >= 1 << (bits - 1))) bits++;
  return bits;
}

function rect(writer, width, height) {
  const n = signedBits(width, height);
  return writer.bits(n, 5).signed(0, n).signed(width, n).signed(0, n).signed(height, n).align();
}

function cString(text) {
  return [...Buffer.from(text, "utf8"), 0];
}

const IDENTITY_MATRIX = [0x00];

export class SwfBuilder {
  #tags = [];
  #frameCount = 0;

  constructor({ width, height, frameRate = 12 }) {
    Object.assign(this, { width, height, frameRate });
  }

  tag(code, body) {
    const header =
      body.length < 63
        ? new BitWriter().u16((code << 6) | body.length)
        : new BitWriter().u16((code << 6) | 0x3f).u16(body.length & 0xffff).u16(body.length >>> 16);
    this.#tags.push(...header.toBytes(), ...body);
    if (code === 1) this.#frameCount++;
    return this;
  }

  background([r, g, b]) {
    return this.tag(9, [r, g, b]);
  }

  // DefineShape: a solid rectangle from (x, y), w x h pixels, with no outline.
  rectangle(id, [r, g, b], { x = 0, y = 0, w, h }) {
    const [x0, y0, wt, ht] = [x, y, w, h].map((v) => v * 20);
    const body = new BitWriter().u16(id);
    rect(body, x0 + wt, y0 + ht);
    body.bytes([1, 0x00, r, g, b, 0]); // one solid fill style, no line styles
    body.bits(1, 4).bits(0, 4); // NumFillBits, NumLineBits
    const move = signedBits(x0, y0);
    body.bits(0b000101, 6).bits(move, 5).signed(x0, move).signed(y0, move).bits(1, 1); // fill style 1 = 1
    for (const [dx, dy] of [[wt, 0], [0, ht], [-wt, 0], [0, -ht]]) {
      const n = signedBits(dx, dy);
      body.bits(0b11, 2).bits(n - 2, 4).bits(1, 1).signed(dx, n).signed(dy, n);
    }
    body.bits(0, 6).align();
    return this.tag(2, body.toBytes());
  }

  place(id, depth) {
    return this.tag(26, new BitWriter().bytes([0x06]).u16(depth).u16(id).bytes(IDENTITY_MATRIX).toBytes());
  }

  remove(depth) {
    return this.tag(28, new BitWriter().u16(depth).toBytes());
  }

  showFrame() {
    return this.tag(1, []);
  }

  // DefineButton2 whose hit area is shape `hitShape`, opening (url, target) on release.
  linkButton(id, hitShape, url, target) {
    const record = new BitWriter().bytes([0x08]).u16(hitShape).u16(1).bytes(IDENTITY_MATRIX).bytes([0x00]);
    const getUrl = [...cString(url), ...cString(target)];
    const action = new BitWriter().u16(0).bytes([0x08, 0x00, 0x83]).u16(getUrl.length).bytes(getUrl).bytes([0x00]);
    const records = [...record.toBytes(), 0x00];
    const body = new BitWriter().u16(id).bytes([0x00]).u16(2 + records.length).bytes(records).bytes(action.toBytes());
    return this.tag(34, body.toBytes());
  }

  toBytes() {
    const header = new BitWriter();
    rect(header, this.width * 20, this.height * 20);
    header.bytes([0, this.frameRate]).u16(this.#frameCount);
    const body = [...header.toBytes(), ...this.#tags, 0, 0];
    const length = 8 + body.length;
    return Buffer.from([0x46, 0x57, 0x53, 6, length & 0xff, (length >> 8) & 0xff, (length >> 16) & 0xff, length >>> 24, ...body]);
  }
}
