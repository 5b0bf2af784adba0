// The drawing operations as an SVG document, built element by element: the
// chart picture (997 x 685 picture pixels, for "Save as SVG") or the printed
// page (in millimetres, 1 mm of phantom to 1 mm of paper, for printing).
import {
  MILLIMETRES_PER_INCH, PAGE_POINTS_PER_INCH, PICTURE_FONT_PIXELS, PICTURE_HEIGHT, PICTURE_WIDTH,
  SERIF, clipSegment, finite, fontMetrics, fontStack, rgb,
} from './picture.js';

const SVG = 'http://www.w3.org/2000/svg';
const XML = 'http://www.w3.org/XML/1998/namespace';
const DASHED = 1;
const TWIPS_PER_INCH = 1440;
// One step of the page's line setting, in millimetres.
const PAGE_LINE_STEP = 0.1;
// The page's drawable area: the chart's x 150..350 and y -36..250.
export const PAGE = { width: 200, height: 286 };

export class SvgSurface {
  // kind 'picture' with the core's user window, or 'page'.
  constructor(kind, window, palette) {
    this.kind = kind;
    this.palette = palette;
    this.path = null;
    this.svg = document.createElementNS(SVG, 'svg');
    this.svg.setAttribute('xmlns', SVG);
    if (kind === 'picture') {
      this.setSize(PICTURE_WIDTH, PICTURE_HEIGHT, 'px');
      this.unitX = PICTURE_WIDTH / window.unitsWide;
      this.unitY = PICTURE_HEIGHT / window.unitsHigh;
      this.left = window.left;
      this.top = window.top;
      this.penWidth = 1;
      this.fontName = SERIF;
      this.fontSize = PICTURE_FONT_PIXELS;
    } else {
      this.setSize(PAGE.width, PAGE.height, 'mm');
      // Twips until the page's scale becomes millimetres.
      this.unitX = MILLIMETRES_PER_INCH / TWIPS_PER_INCH;
      this.unitY = this.unitX;
      this.left = 0;
      this.top = 0;
      this.penWidth = PAGE_LINE_STEP;
      this.font('Times New Roman', 12);
    }
    this.x = this.left;
    this.y = this.top;
    this.fore = 0;
    this.style = 0;
  }

  setSize(width, height, unit) {
    this.svg.setAttribute('width', `${width}${unit}`);
    this.svg.setAttribute('height', `${height}${unit}`);
    this.svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
    this.bounds = [-width, -height, 2 * width, 2 * height];
  }

  add(name, attributes) {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
    this.svg.appendChild(element);
    return element;
  }

  map(x, y) {
    return [(x - this.left) * this.unitX, (y - this.top) * this.unitY];
  }

  strokeOf(number) {
    const attributes = {
      fill: 'none', stroke: rgb(this.palette, number ?? this.fore), 'stroke-width': this.penWidth,
      'stroke-linecap': this.kind === 'page' ? 'round' : 'square',
      'stroke-linejoin': this.kind === 'page' ? 'round' : 'bevel',
    };
    if (this.style === DASHED) {
      attributes['stroke-linecap'] = 'butt';
      attributes['stroke-dasharray'] = `${4 * this.penWidth} ${3 * this.penWidth}`;
    }
    return attributes;
  }

  flush() {
    if (this.path === null) return;
    this.add('path', { ...this.path.attributes, d: this.path.d.join('') });
    this.path = null;
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
    const colour = rgb(this.palette, number ?? this.fore);
    const p = this.path;
    if (p === null || p.attributes.stroke !== colour) {
      this.flush();
      this.path = { attributes: this.strokeOf(number), d: [`M${round(ax)} ${round(ay)}`] };
    } else if (p.x !== ax || p.y !== ay) {
      p.d.push(`M${round(ax)} ${round(ay)}`);
    }
    this.path.d.push(`L${round(bx)} ${round(by)}`);
    this.path.x = bx;
    this.path.y = by;
  }

  cls() {
    this.path = null;
    this.svg.replaceChildren();
    const [width, height] = this.svg.getAttribute('viewBox').split(' ').slice(2);
    this.add('rect', { x: 0, y: 0, width, height, fill: '#fff' });
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
    const [ax, ay] = this.map(x1, y1);
    const [bx, by] = this.map(x2, y2);
    this.add('rect', {
      ...this.strokeOf(null), x: round(Math.min(ax, bx)), y: round(Math.min(ay, by)),
      width: round(Math.abs(bx - ax)), height: round(Math.abs(by - ay)),
    });
  }

  pset(x, y, colour) {
    this.flush();
    this.x = x;
    this.y = y;
    if (!finite(x, y)) return;
    const [px, py] = this.map(x, y);
    const w = this.penWidth;
    this.add('rect', {
      x: round(px - w / 2), y: round(py - w / 2), width: w, height: w, fill: rgb(this.palette, colour ?? this.fore),
    });
  }

  circle(x, y, radius, colour) {
    this.flush();
    this.x = x;
    this.y = y;
    const r = Math.abs(radius) * this.unitX;
    if (!finite(x, y, r) || r > 8 * PICTURE_WIDTH) return;
    const [cx, cy] = this.map(x, y);
    this.add('circle', { ...this.strokeOf(colour), cx: round(cx), cy: round(cy), r: round(r) });
  }

  move(x, y) { this.x = x; this.y = y; }
  foreColor(colour) { this.fore = colour; }
  drawStyle(style) { this.flush(); this.style = style === DASHED ? DASHED : 0; }

  // Top-left corner at the current position; on the page on a paper-white
  // ground, since the wedge caption stands over the wedge symbol there.
  print(text) {
    this.flush();
    const metrics = fontMetrics(this.fontName);
    const size = this.fontSize;
    if (finite(this.x, this.y)) {
      const [left, top] = this.map(this.x, this.y);
      if (this.kind === 'page') {
        this.add('rect', {
          x: round(left), y: round(top), width: round(metrics.width(text) * size),
          height: round((metrics.ascent + metrics.descent) * size), fill: '#fff',
        });
      }
      const element = this.add('text', {
        x: round(left), y: round(top + metrics.ascent * size), 'font-family': this.fontName,
        'font-size': round(size), fill: rgb(this.palette, this.fore),
      });
      // The blanks of the designed texts (" 10 x 10 cm") are kept.
      element.setAttributeNS(XML, 'xml:space', 'preserve');
      element.textContent = text;
    }
    this.x = this.left;
    this.y += ((metrics.ascent + metrics.descent) * size) / this.unitY;
  }

  scaleModeMillimetres() {
    this.flush();
    this.unitX = 1;
    this.unitY = 1;
    this.left = 0;
    this.top = 0;
  }

  scaleTop(y) { this.flush(); if (Number.isFinite(y)) this.top = y; }
  scaleLeft(x) { this.flush(); if (Number.isFinite(x)) this.left = x; }

  font(name, points) {
    this.flush();
    this.fontName = fontStack(name);
    const size = Number.isFinite(points) && points > 0 ? points : 12;
    this.fontSize = (size / PAGE_POINTS_PER_INCH) * MILLIMETRES_PER_INCH;
  }

  // Setting n draws solid lines n x 0.1 mm wide.
  drawWidth(setting) {
    this.flush();
    this.penWidth = Math.min(Math.max(Math.trunc(setting), 1), 100) * PAGE_LINE_STEP;
  }

  endDoc() { this.flush(); }
}

const round = (v) => Math.round(v * 1000) / 1000;
