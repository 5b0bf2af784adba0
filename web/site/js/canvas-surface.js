// The chart picture drawn on a 2D canvas of any size: the core's user window
// over the whole canvas, lines one picture pixel wide (a whole number of
// device pixels, on pixel centres so that they stay sharp on any screen),
// the picture's font scaled with it. Joined segments of one colour are
// stroked as one path, as the desktop joins them into one polyline.
import {
  PICTURE_FONT_PIXELS, PICTURE_HEIGHT, PICTURE_WIDTH, SERIF, clipSegment, finite, fontMetrics, rgb,
} from './picture.js';

const DASHED = 1;

export class CanvasSurface {
  constructor(context, window, palette) {
    const { width, height } = context.canvas;
    this.context = context;
    this.palette = palette;
    this.left = window.left;
    this.top = window.top;
    // Device pixels per picture pixel, and per chart unit.
    this.scale = width / PICTURE_WIDTH;
    this.unitX = width / window.unitsWide;
    this.unitY = height / window.unitsHigh;
    this.pen = Math.max(1, Math.round(Math.min(this.scale, height / PICTURE_HEIGHT)));
    this.bounds = [-width, -height, 2 * width, 2 * height];
    this.metrics = fontMetrics(SERIF);
    this.x = this.left;
    this.y = this.top;
    this.fore = 0;
    this.style = 0;
    this.pending = null;
  }

  map(x, y) {
    return [(x - this.left) * this.unitX, (y - this.top) * this.unitY];
  }

  // Odd pens on pixel centres, even pens on pixel edges.
  snap(v) {
    return this.pen % 2 === 1 ? Math.floor(v) + 0.5 : Math.round(v);
  }

  colour(number) {
    return rgb(this.palette, number ?? this.fore);
  }

  stroke(colour) {
    const c = this.context;
    c.strokeStyle = colour;
    c.lineWidth = this.pen;
    c.lineJoin = 'bevel';
    c.lineCap = this.style === DASHED ? 'butt' : 'square';
    c.setLineDash(this.style === DASHED ? [4 * this.pen, 3 * this.pen] : []);
  }

  flush() {
    if (this.pending === null) return;
    this.context.stroke();
    this.pending = null;
  }

  segment(x1, y1, x2, y2, number) {
    this.x = x2;
    this.y = y2;
    if (!finite(x1, y1, x2, y2)) return;
    const colour = this.colour(number);
    let [ax, ay] = this.map(x1, y1);
    let [bx, by] = this.map(x2, y2);
    const [l, t, r, b] = this.bounds;
    if (Math.min(ax, bx) < l || Math.max(ax, bx) > r || Math.min(ay, by) < t || Math.max(ay, by) > b) {
      const clipped = clipSegment(ax, ay, bx, by, l, t, r, b);
      this.flush();
      if (clipped === null) return;
      [ax, ay, bx, by] = clipped;
    }
    ax = this.snap(ax); ay = this.snap(ay); bx = this.snap(bx); by = this.snap(by);
    const p = this.pending;
    if (p !== null && p.colour === colour) {
      if (p.x !== ax || p.y !== ay) this.context.moveTo(ax, ay);
    } else {
      this.flush();
      this.stroke(colour);
      this.context.beginPath();
      this.context.moveTo(ax, ay);
    }
    this.context.lineTo(bx, by);
    this.pending = { colour, x: bx, y: by };
  }

  cls() {
    this.pending = null;
    const { canvas } = this.context;
    this.context.fillStyle = '#fff';
    this.context.fillRect(0, 0, canvas.width, canvas.height);
    this.x = this.left;
    this.y = this.top;
  }

  line(x1, y1, x2, y2, colour) { this.segment(x1, y1, x2, y2, colour); }
  lineTo(x2, y2, colour) { this.segment(this.x, this.y, x2, y2, colour); }

  box(x1, y1, x2, y2) {
    this.flush();
    this.x = x2;
    this.y = y2;
    if (!finite(x1, y1, x2, y2)) return;
    const [ax, ay] = this.map(x1, y1).map((v) => this.snap(v));
    const [bx, by] = this.map(x2, y2).map((v) => this.snap(v));
    this.stroke(this.colour(null));
    this.context.strokeRect(Math.min(ax, bx), Math.min(ay, by), Math.abs(bx - ax), Math.abs(by - ay));
  }

  // One whole picture pixel, never blended.
  pset(x, y, colour) {
    this.flush();
    this.x = x;
    this.y = y;
    if (!finite(x, y)) return;
    const [px, py] = this.map(x, y);
    const w = this.pen;
    this.context.fillStyle = this.colour(colour);
    this.context.fillRect(Math.floor(px - (w - 1) / 2), Math.floor(py - (w - 1) / 2), w, w);
  }

  // The radius is in horizontal units; the circle is round on the screen.
  circle(x, y, radius, colour) {
    this.flush();
    this.x = x;
    this.y = y;
    const r = Math.abs(radius) * this.unitX;
    if (!finite(x, y, r) || r > 8 * this.context.canvas.width) return;
    const [cx, cy] = this.map(x, y).map((v) => this.snap(v));
    this.stroke(this.colour(colour));
    this.context.beginPath();
    this.context.arc(cx, cy, r, 0, 2 * Math.PI);
    this.context.stroke();
  }

  move(x, y) { this.x = x; this.y = y; }
  foreColor(colour) { this.fore = colour; }
  drawStyle(style) { this.flush(); this.style = style === DASHED ? DASHED : 0; }

  // The text's top-left corner at the current position, on whole picture
  // pixels as the desktop places it; then the next line at the left edge.
  print(text) {
    this.flush();
    const size = PICTURE_FONT_PIXELS;
    if (finite(this.x, this.y)) {
      const [px, py] = this.map(this.x, this.y);
      const left = Math.floor(px / this.scale) * this.scale;
      const top = Math.floor(py / this.scale) * this.scale;
      const c = this.context;
      c.font = `${size * this.scale}px ${SERIF}`;
      c.fillStyle = this.colour(null);
      c.textBaseline = 'alphabetic';
      c.fillText(text, left, top + Math.round(this.metrics.ascent * size) * this.scale);
    }
    const lineHeight = (this.metrics.ascent + this.metrics.descent) * size * this.scale;
    this.x = this.left;
    this.y += lineHeight / this.unitY;
  }

  // The printed page's settings have no meaning on the picture.
  scaleModeMillimetres() {}
  scaleTop() {}
  scaleLeft() {}
  font() {}
  drawWidth() {}
  endDoc() { this.flush(); }
}
