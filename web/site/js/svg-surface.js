// The drawing operations as an SVG document, built element by element: the
// chart picture (997 x 685 picture pixels, for "Save as SVG") or the printed
// page (in millimetres, 1 mm of phantom to 1 mm of paper, for printing).
import {
  DASHED, MILLIMETRES_PER_INCH, PAGE_POINTS_PER_INCH, PICTURE_FONT_PIXELS, PICTURE_HEIGHT, PICTURE_WIDTH,
  SERIF, UserSurface, fontMetrics, fontStack,
} from './picture.js';

const SVG = 'http://www.w3.org/2000/svg';
const XML = 'http://www.w3.org/XML/1998/namespace';
const TWIPS_PER_INCH = 1440;
// One step of the page's line setting, in millimetres.
const PAGE_LINE_STEP = 0.1;
// The page's drawable area: the chart's x 150..350 and y -36..250.
export const PAGE = { width: 200, height: 286 };

const round = (v) => Math.round(v * 1000) / 1000;

export class SvgSurface extends UserSurface {
  // kind 'picture' with the core's user window, or 'page'.
  constructor(kind, window, palette) {
    super(palette);
    this.kind = kind;
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
    this.home();
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

  stroke(colour) {
    const page = this.kind === 'page';
    const dashed = this.style === DASHED;
    return {
      fill: 'none', stroke: colour, 'stroke-width': this.penWidth,
      'stroke-linecap': dashed ? 'butt' : (page ? 'round' : 'square'),
      'stroke-linejoin': page ? 'round' : 'bevel',
      ...(dashed ? { 'stroke-dasharray': `${4 * this.penWidth} ${3 * this.penWidth}` } : {}),
    };
  }

  join(ax, ay, bx, by, colour, last) {
    if (last === null) {
      this.path = { attributes: this.stroke(colour), d: [] };
    }
    if (last === null || last.x !== ax || last.y !== ay) this.path.d.push(`M${round(ax)} ${round(ay)}`);
    this.path.d.push(`L${round(bx)} ${round(by)}`);
    return { x: bx, y: by };
  }

  flushJoined() {
    this.add('path', { ...this.path.attributes, d: this.path.d.join('') });
  }

  cls() {
    this.last = null;
    this.svg.replaceChildren();
    const [width, height] = this.svg.getAttribute('viewBox').split(' ').slice(2);
    this.add('rect', { x: 0, y: 0, width, height, fill: '#fff' });
    this.home();
  }

  rect(ax, ay, bx, by, colour) {
    this.add('rect', {
      ...this.stroke(colour), x: round(Math.min(ax, bx)), y: round(Math.min(ay, by)),
      width: round(Math.abs(bx - ax)), height: round(Math.abs(by - ay)),
    });
  }

  dot(px, py, colour) {
    const w = this.penWidth;
    this.add('rect', { x: round(px - w / 2), y: round(py - w / 2), width: w, height: w, fill: colour });
  }

  ring(cx, cy, r, colour) {
    this.add('circle', { ...this.stroke(colour), cx: round(cx), cy: round(cy), r: round(r) });
  }

  // On the page on a paper-white ground, since the wedge caption stands over
  // the wedge symbol there.
  text(left, top, text, colour) {
    const metrics = fontMetrics(this.fontName);
    const size = this.fontSize;
    if (this.kind === 'page') {
      this.add('rect', {
        x: round(left), y: round(top), width: round(metrics.width(text) * size),
        height: round((metrics.ascent + metrics.descent) * size), fill: '#fff',
      });
    }
    const element = this.add('text', {
      x: round(left), y: round(top + metrics.ascent * size), 'font-family': this.fontName,
      'font-size': round(size), fill: colour,
    });
    // The blanks of the designed texts (" 10 x 10 cm") are kept.
    element.setAttributeNS(XML, 'xml:space', 'preserve');
    element.textContent = text;
  }

  lineHeight() {
    const metrics = fontMetrics(this.fontName);
    return (metrics.ascent + metrics.descent) * this.fontSize;
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
}
