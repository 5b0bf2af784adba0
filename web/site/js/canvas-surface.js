// The chart picture drawn on a 2D canvas of any size: the core's user window
// over the whole canvas, lines one picture pixel wide (a whole number of
// device pixels, on pixel centres so that they stay sharp on any screen),
// the picture's font scaled with it. Joined segments of one colour are
// stroked as one path, as the desktop joins them into one polyline.
import {
  DASHED, PICTURE_FONT_PIXELS, PICTURE_HEIGHT, PICTURE_WIDTH, SERIF, UserSurface, fontMetrics,
} from './picture.js';

export class CanvasSurface extends UserSurface {
  constructor(context, window, palette) {
    super(palette);
    const { width, height } = context.canvas;
    this.context = context;
    this.left = window.left;
    this.top = window.top;
    // Device pixels per picture pixel, and per chart unit.
    this.scale = width / PICTURE_WIDTH;
    this.unitX = width / window.unitsWide;
    this.unitY = height / window.unitsHigh;
    this.pen = Math.max(1, Math.round(Math.min(this.scale, height / PICTURE_HEIGHT)));
    this.bounds = [-width, -height, 2 * width, 2 * height];
    this.metrics = fontMetrics(SERIF);
    this.home();
  }

  // Odd pens on pixel centres, even pens on pixel edges.
  snap(v) {
    return this.pen % 2 === 1 ? Math.floor(v) + 0.5 : Math.round(v);
  }

  usePen(colour) {
    const c = this.context;
    c.strokeStyle = colour;
    c.lineWidth = this.pen;
    c.lineJoin = 'bevel';
    c.lineCap = this.style === DASHED ? 'butt' : 'square';
    c.setLineDash(this.style === DASHED ? [4 * this.pen, 3 * this.pen] : []);
  }

  join(ax, ay, bx, by, colour, last) {
    const [x1, y1, x2, y2] = [ax, ay, bx, by].map((v) => this.snap(v));
    if (last === null) {
      this.usePen(colour);
      this.context.beginPath();
      this.context.moveTo(x1, y1);
    } else if (last.x !== x1 || last.y !== y1) {
      this.context.moveTo(x1, y1);
    }
    this.context.lineTo(x2, y2);
    return { x: x2, y: y2 };
  }

  flushJoined() { this.context.stroke(); }

  cls() {
    this.last = null;
    const { canvas } = this.context;
    this.context.fillStyle = '#fff';
    this.context.fillRect(0, 0, canvas.width, canvas.height);
    this.home();
  }

  rect(ax, ay, bx, by, colour) {
    const [x1, y1, x2, y2] = [ax, ay, bx, by].map((v) => this.snap(v));
    this.usePen(colour);
    this.context.strokeRect(Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1), Math.abs(y2 - y1));
  }

  // One whole picture pixel, never blended.
  dot(px, py, colour) {
    const w = this.pen;
    this.context.fillStyle = colour;
    this.context.fillRect(Math.floor(px - (w - 1) / 2), Math.floor(py - (w - 1) / 2), w, w);
  }

  ring(cx, cy, r, colour) {
    this.usePen(colour);
    this.context.beginPath();
    this.context.arc(this.snap(cx), this.snap(cy), r, 0, 2 * Math.PI);
    this.context.stroke();
  }

  // On whole picture pixels, as the desktop places the picture's texts.
  text(px, py, text, colour) {
    const size = PICTURE_FONT_PIXELS;
    const left = Math.floor(px / this.scale) * this.scale;
    const top = Math.floor(py / this.scale) * this.scale;
    const c = this.context;
    c.font = `${size * this.scale}px ${SERIF}`;
    c.fillStyle = colour;
    c.textBaseline = 'alphabetic';
    c.fillText(text, left, top + Math.round(this.metrics.ascent * size) * this.scale);
  }

  lineHeight() {
    return (this.metrics.ascent + this.metrics.descent) * PICTURE_FONT_PIXELS * this.scale;
  }
}
