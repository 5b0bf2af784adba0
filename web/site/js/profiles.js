// The profiles through the cross-hair, as the desktop's profiles window
// shows them: the depth dose down its column and the lateral profile along
// its row, only where the dose was computed, with a held reference grey and
// dashed, and the figures under each. The numbers come from the core.
import { format, tr } from './i18n.js';
import { Plot } from './plot.js';

const CONTEXT = 'corvane::ProfilesWindow';
const t = (source) => tr(CONTEXT, source);
const NO_FIGURE = '\u2013';
const CURVE = 'rgb(0, 0, 192)';
const REFERENCE = 'rgb(128, 128, 128)';
const MARKER = 'rgb(255, 0, 0)';
const AXIS = 250;
const LOWEST_TOP = 110;

const number = (value, decimals) => new Intl.NumberFormat(undefined, {
  minimumFractionDigits: decimals, maximumFractionDigits: decimals, useGrouping: false,
}).format(value);
const withUnit = (value, decimals, unit) => (value === null ? NO_FIGURE
  : `${number(value, decimals)}${unit ? ` ${unit}` : ''}`);
const signed = (value, decimals) => (value > 0 ? '+' : '') + number(value, decimals);

function inRegion(halfWidth, column, row) {
  return Math.abs(column - AXIS) <= halfWidth && row >= 0 && row <= 250;
}

function depthPoints(doses, halfWidth, column) {
  return Math.abs(column - AXIS) <= halfWidth ? Array.from(doses, (dose, J) => [J, dose]) : [];
}

function lateralPoints(doses, halfWidth) {
  const points = [];
  for (let I = AXIS - halfWidth; I <= AXIS + halfWidth; I += 1) points.push([I - AXIS, doses[I]]);
  return points;
}

export class ProfilesPanel {
  constructor(session) {
    this.session = session;
    this.section = document.getElementById('profiles');
    this.cell = null;
  }

  get open() { return !this.section.hidden; }

  // Until the cross-hair has been in the chart: the target point.
  update(column, row) {
    if (column !== undefined) this.cell = [column, row];
    if (!this.open || !this.session.hasData()) return;
    const [ix, iy] = this.cell ?? [this.session.targetCell().ix, this.session.targetCell().iy];
    const p = this.session.profilesAt(ix, iy);
    const top = Math.max(LOWEST_TOP, 10 * Math.ceil(p.largestPercent / 10));
    const dose = { min: 0, max: top, step: top <= 150 ? 20 : 50, minor: 0, decimals: 0, title: t('dose (%)') };
    const offAxis = p.column - AXIS;

    const depth = new Plot(document.getElementById('depth-plot'),
      { min: 0, max: 250, step: 50, minor: 0, decimals: 0, title: t('depth (mm)') }, dose);
    const lateral = new Plot(document.getElementById('lateral-plot'),
      { min: -250, max: 250, step: 100, minor: 50, decimals: 0, title: t('off-axis position (mm)') }, dose);
    for (const plot of [depth, lateral]) plot.axes();
    if (p.halfWidth < AXIS) {
      for (const x of [-p.halfWidth, p.halfWidth]) lateral.curve([[x, 0], [x, top]], 'rgb(64, 64, 64)', { width: 1, dash: [2, 3] });
    }
    if (p.reference) {
      const r = p.reference;
      depth.curve(depthPoints(r.depthDose, r.halfWidth, p.column), REFERENCE, { dash: [6, 4] });
      lateral.curve(lateralPoints(r.lateral, r.halfWidth), REFERENCE, { dash: [6, 4] });
      for (const plot of [depth, lateral]) {
        plot.key(plot.area.right - 110, plot.area.top + 10, CURVE, t('current'));
        plot.key(plot.area.right - 110, plot.area.top + 26, REFERENCE, t('reference'), [6, 4]);
      }
    }
    depth.curve(depthPoints(p.depthDose, p.halfWidth, p.column), CURVE);
    lateral.curve(lateralPoints(p.lateral, p.halfWidth), CURVE);
    const computed = inRegion(p.halfWidth, p.column, p.row);
    if (computed) {
      depth.marker(p.row, p.lateral[p.column], MARKER);
      lateral.marker(offAxis, p.lateral[p.column], MARKER);
    }

    document.getElementById('depth-heading').textContent = format(t('Depth dose along x = %1 mm'), offAxis);
    document.getElementById('lateral-heading').textContent = format(t('Lateral profile at depth %1 mm'), p.row);
    const note = document.getElementById('region-note');
    note.hidden = p.halfWidth >= AXIS;
    note.textContent = note.hidden ? '' : format(t('Dotted: the edge of the computed region, %1 mm from the axis; '
      + 'beyond it the dose is not computed.'), p.halfWidth);
    const value = this.valueText(p, computed);
    document.getElementById('depth-value').textContent = value;
    document.getElementById('lateral-value').textContent = value;
    this.figures(p);
  }

  valueText(p, computed) {
    const here = p.lateral[p.column];
    let text = format(t('x = %1 mm, depth %2 mm: %3'), p.column - AXIS, p.row,
      computed ? `${number(here, 1)} %` : t('outside the computed region'));
    if (!p.reference) return text;
    const held = p.reference.lateral[p.column];
    if (!inRegion(p.reference.halfWidth, p.column, p.row)) {
      if (computed) text += t('; the reference was not computed here');
    } else if (computed) {
      text += format(t('; reference %1 %, difference %2 %'), number(held, 1), signed(here - held, 1));
    } else {
      text += format(t('; reference %1 %'), number(held, 1));
    }
    return text;
  }

  figures(p) {
    const d = p.depthFigures;
    const l = p.lateralFigures;
    const ofMaximum = t('The dose at 100 mm and at 200 mm depth in percent of the largest dose on this depth dose '
      + 'line. In the SSD set-up with the cross-hair on the central axis, these are the percentage depth doses '
      + 'PDD(10) and PDD(20).');
    const wedge = l.penumbraeWithheldForWedge ? t('Not given for a wedged field: the dose on the central axis, which '
      + "the 80 % and 20 % levels are taken from, lies between the heel's and the toe's, so the distance would "
      + "measure the wedge's slope as well.") : '';
    fill('depth-figures', [
      [t('Depth of maximum'), d.depthOfMaximumMm === null ? NO_FIGURE : `${d.depthOfMaximumMm} ${t('mm')}`],
      [t('Dose at 100 mm'), withUnit(d.dose100, 1, '%')],
      [t('Dose at 200 mm'), withUnit(d.dose200, 1, '%')],
      [t('D200 / D100'), withUnit(d.ratio200to100, 3, '')],
      [t('D100 / Dmax'), withUnit(d.dose100OfMaximum, 1, '%'), ofMaximum],
      [t('D200 / Dmax'), withUnit(d.dose200OfMaximum, 1, '%'), ofMaximum],
    ]);
    fill('lateral-figures', [
      [t('Width at 50 %'), withUnit(l.width50Mm, 1, t('mm'))],
      [t('Penumbra 80–20 %, left'), withUnit(l.leftPenumbraMm, 1, t('mm')), wedge],
      [t('Penumbra 80–20 %, right'), withUnit(l.rightPenumbraMm, 1, t('mm')), wedge],
    ]);
  }
}

function fill(id, rows) {
  const list = document.getElementById(id);
  list.replaceChildren();
  for (const [name, value, title] of rows) {
    const dt = document.createElement('dt');
    const dd = document.createElement('dd');
    dt.textContent = name;
    dd.textContent = value;
    if (title) {
      dt.title = title;
      dd.title = title;
    }
    list.append(dt, dd);
  }
}
