// What leaves the page: the printed page at true scale, and the chart saved
// as PNG (twice the picture's size) or SVG, under a name made from its
// conditions.
import { CanvasSurface } from './canvas-surface.js';
import { replay } from './packed-ops.js';
import { PICTURE_HEIGHT, PICTURE_WIDTH } from './picture.js';
import { SvgSurface } from './svg-surface.js';

// The printed page waits in its print-only element, so that the browser's
// own print command gives the same page as the print button. It is made
// just after the chart is shown, out of the way of the chart's drawing, and
// at the latest when printing begins.
let pending = null;

function makePrintedPage() {
  if (pending === null) return;
  const surface = new SvgSurface('page', pending.pictureWindow, pending.palette);
  replay(pending.page(), surface);
  pending = null;
  document.getElementById('print-page').replaceChildren(surface.svg);
}

window.addEventListener('beforeprint', makePrintedPage);

export function preparePrintedPage(page, pictureWindow, palette) {
  pending = { page, pictureWindow, palette };
  setTimeout(makePrintedPage);
}

export function clearPrintedPage() {
  pending = null;
  document.getElementById('print-page').replaceChildren();
}

function download(blob, name) {
  const url = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

export function saveText(text, name, type) {
  download(new Blob([text], { type }), name);
}

export async function saveChart(format, ops, pictureWindow, palette, name) {
  if (format === 'svg') {
    const surface = new SvgSurface('picture', pictureWindow, palette);
    replay(ops, surface);
    const text = `<?xml version="1.0" encoding="UTF-8"?>\n${new XMLSerializer().serializeToString(surface.svg)}\n`;
    saveText(text, name, 'image/svg+xml');
    return;
  }
  const canvas = document.createElement('canvas');
  canvas.width = 2 * PICTURE_WIDTH;
  canvas.height = 2 * PICTURE_HEIGHT;
  replay(ops, new CanvasSurface(canvas.getContext('2d'), pictureWindow, palette));
  const blob = await new Promise((resolve) => { canvas.toBlob(resolve, 'image/png'); });
  if (blob === null) throw new Error('the picture could not be encoded');
  download(blob, name);
}
