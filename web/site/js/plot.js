// A small line plot on a canvas, sharp at the screen's pixel ratio: axes
// with ticks and titles, curves clipped to the plot area. The profiles and
// the data table's TMR and OCR curves are drawn with it.
const FACE = 'system-ui, "Noto Sans CJK JP", sans-serif';
const FONT = `12px ${FACE}`;
const SUBSCRIPT = `9px ${FACE}`;

export class Plot {
  // x and y: {min, max, step, minor, decimals, title}
  constructor(canvas, x, y, margins = { left: 44, right: 10, top: 8, bottom: 34 }) {
    const ratio = window.devicePixelRatio || 1;
    const width = canvas.clientWidth || canvas.width;
    const height = canvas.clientHeight || canvas.height;
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    this.c = canvas.getContext('2d');
    this.c.setTransform(ratio, 0, 0, ratio, 0, 0);
    this.c.fillStyle = '#fff';
    this.c.fillRect(0, 0, width, height);
    this.area = {
      left: margins.left, top: margins.top, right: width - margins.right, bottom: height - margins.bottom,
    };
    this.x = x;
    this.y = y;
  }

  map(x, y) {
    const a = this.area;
    return [a.left + ((x - this.x.min) / (this.x.max - this.x.min)) * (a.right - a.left),
      a.bottom - ((y - this.y.min) / (this.y.max - this.y.min)) * (a.bottom - a.top)];
  }

  text(text, x, y, align = 'left', baseline = 'alphabetic') {
    this.c.font = FONT;
    this.c.fillStyle = '#000';
    this.c.textAlign = align;
    this.c.textBaseline = baseline;
    this.c.fillText(text, x, y);
  }

  // Text with subscripts, parts [text, lowered], ending at x on the baseline y.
  textEndingAt(parts, x, y) {
    const { c } = this;
    const width = (text, lowered) => {
      c.font = lowered ? SUBSCRIPT : FONT;
      return c.measureText(text).width;
    };
    let left = x - parts.reduce((sum, [text, lowered]) => sum + width(text, lowered), 0);
    for (const [text, lowered] of parts) {
      const w = width(text, lowered);
      c.fillStyle = '#000';
      c.textAlign = 'left';
      c.textBaseline = 'alphabetic';
      c.fillText(text, left, lowered ? y + 3 : y);
      left += w;
    }
  }

  axes() {
    const { c, area: a } = this;
    c.strokeStyle = '#000';
    c.lineWidth = 1;
    c.setLineDash([]);
    c.strokeRect(a.left + 0.5, a.top + 0.5, a.right - a.left, a.bottom - a.top);
    const ticks = (axis, draw) => {
      for (const [step, length, label] of [[axis.minor, 3, false], [axis.step, 5, true]]) {
        if (!(step > 0)) continue;
        for (let k = Math.ceil(axis.min / step); k * step <= axis.max + 1e-9; k += 1) draw(k * step, length, label);
      }
    };
    ticks(this.x, (v, length, label) => {
      const [px] = this.map(v, 0);
      c.beginPath();
      c.moveTo(Math.round(px) + 0.5, a.bottom);
      c.lineTo(Math.round(px) + 0.5, a.bottom - length);
      c.stroke();
      if (label) this.text(v.toFixed(this.x.decimals), px, a.bottom + 4, 'center', 'top');
    });
    ticks(this.y, (v, length, label) => {
      const [, py] = this.map(0, v);
      c.beginPath();
      c.moveTo(a.left, Math.round(py) + 0.5);
      c.lineTo(a.left + length, Math.round(py) + 0.5);
      c.stroke();
      if (label) this.text(v.toFixed(this.y.decimals), a.left - 4, py, 'right', 'middle');
    });
    this.text(this.x.title, (a.left + a.right) / 2, a.bottom + 30, 'center');
    c.save();
    c.translate(12, (a.top + a.bottom) / 2);
    c.rotate(-Math.PI / 2);
    this.text(this.y.title, 0, 0, 'center', 'middle');
    c.restore();
  }

  // points: [[x, y], ...]; a point that is not finite breaks the line.
  curve(points, colour, { width = 1.5, dash = [] } = {}) {
    const { c, area: a } = this;
    c.save();
    c.beginPath();
    c.rect(a.left, a.top, a.right - a.left, a.bottom - a.top);
    c.clip();
    c.strokeStyle = colour;
    c.lineWidth = width;
    c.setLineDash(dash);
    c.beginPath();
    let drawing = false;
    for (const [x, y] of points) {
      if (!Number.isFinite(x) || !Number.isFinite(y)) {
        drawing = false;
      } else {
        const [px, py] = this.map(x, y);
        if (drawing) c.lineTo(px, py);
        else c.moveTo(px, py);
        drawing = true;
      }
    }
    c.stroke();
    c.restore();
  }

  marker(x, y, colour) {
    const [px, py] = this.map(x, y);
    this.c.fillStyle = colour;
    this.c.beginPath();
    this.c.arc(px, py, 4, 0, 2 * Math.PI);
    this.c.fill();
  }

  // A short line of the colour, then the text, at (x, y) of the canvas.
  key(x, y, colour, text, dash = [], length = 18) {
    const { c } = this;
    c.strokeStyle = colour;
    c.lineWidth = 2;
    c.setLineDash(dash);
    c.beginPath();
    c.moveTo(x, y);
    c.lineTo(x + length, y);
    c.stroke();
    c.setLineDash([]);
    this.text(text, x + length + 4, y, 'left', 'middle');
  }
}
