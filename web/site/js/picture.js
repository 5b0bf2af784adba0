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
export function clipSegment(ax, ay, bx, by, left, top, right, bottom) {
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

export const finite = (...values) => values.every(Number.isFinite);

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
