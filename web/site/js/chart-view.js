// The chart window's picture: the chart drawn from the core's operations on
// a canvas that fills the room left, sharp at the screen's pixel ratio; the
// red cross-hair and the cursor readout under the mouse, a tap and the
// arrow keys, each read through the core's rules.
import { CanvasSurface } from './canvas-surface.js';
import { replay } from './packed-ops.js';
import { PICTURE_HEIGHT, PICTURE_WIDTH } from './picture.js';

const ARROWS = { ArrowLeft: 0, ArrowUp: 1, ArrowRight: 2, ArrowDown: 3 };
// Keys that belong to the control with the focus, not to the cross-hair.
const OWN_KEYS = 'input, select, textarea, dialog[open]';

export class ChartView {
  constructor({ session, palette, pictureWindow, onCursor }) {
    this.session = session;
    this.palette = palette;
    this.window = pictureWindow;
    this.onCursor = onCursor;
    this.ops = null;
    this.box = document.getElementById('chart-box');
    this.area = document.getElementById('chart-area');
    this.canvas = document.getElementById('chart');
    this.line1 = document.getElementById('line1');
    this.line2 = document.getElementById('line2');
    this.boxes = ['readout-x', 'readout-depth', 'readout-dose'].map((id) => document.getElementById(id));
    this.rect = null;

    // A new size of the room, or a zoom that changes the pixel ratio.
    new ResizeObserver(() => this.fit()).observe(this.area);
    window.addEventListener('resize', () => this.fit());
    window.addEventListener('scroll', () => { this.rect = null; }, true);
    this.canvas.addEventListener('pointermove', (e) => this.pointer(e));
    // A tap places the cross-hair; so does a press of the mouse.
    this.canvas.addEventListener('pointerdown', (e) => this.pointer(e));
    document.addEventListener('keydown', (e) => this.key(e));
  }

  get shown() { return this.ops !== null && !this.box.hidden; }

  show(ops) {
    this.ops = ops;
    this.box.hidden = false;
    this.clearReadout();
    this.fit();
  }

  // The chart drawn again, with or without its reference; the readout stays.
  redraw(ops) {
    this.ops = ops;
    this.draw();
  }

  hide() {
    this.box.hidden = true;
    this.clearReadout();
  }

  // The largest box of the picture's proportions that fits the area.
  fit() {
    if (this.box.hidden) return;
    const border = this.box.offsetWidth - this.box.clientWidth;
    const width = Math.max(100, Math.min(this.area.clientWidth - border,
      ((this.area.clientHeight - border) * PICTURE_WIDTH) / PICTURE_HEIGHT));
    const height = (width * PICTURE_HEIGHT) / PICTURE_WIDTH;
    this.box.style.width = `${width}px`;
    this.box.style.height = `${height}px`;
    this.rect = null;
    const ratio = window.devicePixelRatio || 1;
    const deviceWidth = Math.round(width * ratio);
    const deviceHeight = Math.round(height * ratio);
    if (this.canvas.width !== deviceWidth || this.canvas.height !== deviceHeight) {
      this.canvas.width = deviceWidth;
      this.canvas.height = deviceHeight;
    }
    this.draw();
  }

  draw() {
    if (this.ops === null) return;
    replay(this.ops, new CanvasSurface(this.canvas.getContext('2d'), this.window, this.palette));
  }

  // Emptied and hidden, as every calculation begins.
  clearReadout() {
    this.session.leaveChart();
    this.showReadout(null);
  }

  showReadout(readout) {
    const inChart = readout !== null && readout.inChart;
    this.line1.hidden = !inChart;
    this.line2.hidden = !inChart;
    this.canvas.classList.toggle('in-chart', inChart);
    const [x, depth, dose] = this.boxes;
    x.textContent = inChart ? readout.offCentre : '';
    depth.textContent = inChart ? readout.depth : '';
    dose.textContent = inChart ? readout.dose : '';
    if (!inChart) return;
    this.line1.style.top = `${(100 * (readout.iy - this.window.top)) / this.window.unitsHigh}%`;
    this.line2.style.left = `${(100 * (readout.ix - this.window.left)) / this.window.unitsWide}%`;
    this.onCursor?.(readout.ix, readout.iy);
  }

  pointer(event) {
    if (!this.shown) return;
    this.rect ??= this.canvas.getBoundingClientRect();
    const r = this.rect;
    this.showReadout(this.session.mouseMove(event.clientX - r.left, event.clientY - r.top, r.width, r.height));
  }

  key(event) {
    if (!this.shown || event.altKey || event.ctrlKey || event.metaKey) return;
    if (event.target instanceof Element && event.target.closest(OWN_KEYS)) return;
    const onPicture = event.target === this.canvas;
    if (event.key in ARROWS) {
      const readout = this.session.key(ARROWS[event.key]);
      if (readout !== null) this.showReadout(readout);
      if (onPicture) event.preventDefault();
    } else if (onPicture && (event.key === 'Enter' || event.key === ' ')) {
      // Without a mouse, the cross-hair starts on the target point.
      const { ix, iy } = this.session.targetCell();
      this.showReadout(this.session.placeCursor(ix, iy));
      event.preventDefault();
    }
  }
}
