// What the two JavaScript drawing surfaces share: the chart picture's
// geometry, its font, the measured metrics of that font, and the clipping of
// segments whose extrapolated ends lie far outside the picture.

// The picture is laid out as 997 x 685 pixels at 96 dpi, showing the core's
// user window (Module.chartPicture: x -80..581, y -150..300); its font is
// Times New Roman 15.75 pt, 21 of those pixels. Liberation Serif and Tinos
// have the same metrics where Times New Roman is not installed.
export const PICTURE_WIDTH = 997;
export const PICTURE_HEIGHT = 685;
export const PICTURE_FONT_PIXELS = 21;
export const SERIF = '"Times New Roman", "Liberation Serif", Tinos, "Nimbus Roman", serif';
export const PAGE_POINTS_PER_INCH = 72;
export const MILLIMETRES_PER_INCH = 25.4;

// Named fonts of the drawing operations, as the desktop substitutes them.
export function fontStack(name) {
  return name === 'Times New Roman' ? SERIF : `"${name.replace(/["\\]/g, '')}", ${SERIF}`;
}

// Ascent and descent of a font as fractions of its size, measured once.
const metricsCache = new Map();
export function fontMetrics(stack) {
  let metrics = metricsCache.get(stack);
  if (metrics === undefined) {
    const context = document.createElement('canvas').getContext('2d');
    context.font = `100px ${stack}`;
    const m = context.measureText('Hg');
    metrics = {
      ascent: m.fontBoundingBoxAscent / 100,
      descent: m.fontBoundingBoxDescent / 100,
      width: (text) => context.measureText(text).width / 100,
    };
    metricsCache.set(stack, metrics);
  }
  return metrics;
}

// The segment a-b cut to the rectangle (Liang-Barsky); null when outside.
function clipSegment(ax, ay, bx, by, left, top, right, bottom) {
  let t0 = 0;
  let t1 = 1;
  const dx = bx - ax;
  const dy = by - ay;
  const p = [-dx, dx, -dy, dy];
  const q = [ax - left, right - ax, ay - top, bottom - ay];
  for (let i = 0; i < 4; i += 1) {
    if (p[i] === 0) {
      if (q[i] < 0) return null;
    } else {
      const t = q[i] / p[i];
      if (p[i] < 0) t0 = Math.max(t0, t);
      else t1 = Math.min(t1, t);
      if (t0 > t1) return null;
    }
  }
  return [ax + dx * t0, ay + dy * t0, ax + dx * t1, ay + dy * t1];
}

const finite = (...values) => values.every(Number.isFinite);

// The palette's colours as CSS colours, made once per palette.
const cssColours = new WeakMap();
export function rgb(palette, number) {
  let colours = cssColours.get(palette);
  if (colours === undefined) {
    colours = palette.map(([r, g, b]) => `rgb(${r},${g},${b})`);
    cssColours.set(palette, colours);
  }
  return colours[((number % 16) + 16) % 16];
}

export const DASHED = 1;

// The drawing operations in the core's user units, as every surface keeps
// them: the current position, the foreground colour, the line style, the
// joining of segments and the ends that lie far off. A surface gives the
// mapping (left, top, unitX, unitY, bounds in its own units) and draws:
// join(ax, ay, bx, by, colour) a segment (continuing the last one where it
// starts at its end), flush() what is joined, rect(), dot(), ring(),
// text(), lineHeight().
export class UserSurface {
  constructor(palette) {
    this.palette = palette;
    this.fore = 0;
    this.style = 0;
    this.last = null;  // the end and colour of the segment being joined
  }

  map(x, y) {
    return [(x - this.left) * this.unitX, (y - this.top) * this.unitY];
  }

  colour(number) {
    return rgb(this.palette, number ?? this.fore);
  }

  home() {
    this.x = this.left;
    this.y = this.top;
  }

  flush() {
    if (this.last !== null) this.flushJoined();
    this.last = null;
  }

  segment(x1, y1, x2, y2, number) {
    this.x = x2;
    this.y = y2;
    if (!finite(x1, y1, x2, y2)) return;
    let [ax, ay] = this.map(x1, y1);
    let [bx, by] = this.map(x2, y2);
    const [l, t, r, b] = this.bounds;
    if (Math.min(ax, bx) < l || Math.max(ax, bx) > r || Math.min(ay, by) < t || Math.max(ay, by) > b) {
      const clipped = clipSegment(ax, ay, bx, by, l, t, r, b);
      this.flush();
      if (clipped === null) return;
      [ax, ay, bx, by] = clipped;
    }
    const colour = this.colour(number);
    if (this.last !== null && this.last.colour !== colour) this.flush();
    this.last = { colour, ...this.join(ax, ay, bx, by, colour, this.last) };
  }

  line(x1, y1, x2, y2, colour) { this.segment(x1, y1, x2, y2, colour); }
  lineTo(x2, y2, colour) { this.segment(this.x, this.y, x2, y2, colour); }

  box(x1, y1, x2, y2) {
    this.flush();
    this.x = x2;
    this.y = y2;
    if (finite(x1, y1, x2, y2)) this.rect(...this.map(x1, y1), ...this.map(x2, y2), this.colour(null));
  }

  pset(x, y, colour) {
    this.flush();
    this.x = x;
    this.y = y;
    if (finite(x, y)) this.dot(...this.map(x, y), this.colour(colour));
  }

  // The radius is in horizontal units; the circle is round on the surface.
  circle(x, y, radius, colour) {
    this.flush();
    this.x = x;
    this.y = y;
    const r = Math.abs(radius) * this.unitX;
    if (finite(x, y, r) && r < 4 * (this.bounds[2] - this.bounds[0])) this.ring(...this.map(x, y), r, this.colour(colour));
  }

  move(x, y) { this.x = x; this.y = y; }
  foreColor(colour) { this.fore = colour; }
  drawStyle(style) { this.flush(); this.style = style === DASHED ? DASHED : 0; }

  // The text's top-left corner at the current position; then the next line
  // at the left edge.
  print(text) {
    this.flush();
    if (finite(this.x, this.y)) this.text(...this.map(this.x, this.y), text, this.colour(null));
    this.x = this.left;
    this.y += this.lineHeight() / this.unitY;
  }

  // The printed page's settings; the picture has none of them.
  scaleModeMillimetres() {}
  scaleTop() {}
  scaleLeft() {}
  font() {}
  drawWidth() {}
  endDoc() { this.flush(); }
}
