// The calculation method window and the data table window, as dialogs: the
// method's texts and pictures (drawn at build time by the desktop's own
// drawing code), the data file's first 66 lines and the TMR and OCR curves
// of the tables in use.
import { DATA_TABLE_LINES, dataLines } from './data-file.js';
import { currentLanguage, format, tr } from './i18n.js';
import { Plot } from './plot.js';

const FORM5 = 'corvane::Form5';
const LABEL16 = '6MVＸ線に対する鉛の実効線減弱係数\u3000\u3000  = 0.5927 cm   とした。';

// The attenuation sentence with mu-eff in the blanks before "=" and the
// exponent after "cm", as the method window places its three small labels.
function attenuationSentence() {
  const element = document.getElementById('attenuation');
  const text = tr(FORM5, LABEL16);
  const match = /^(.*?)[\s\u3000]*=(.*?cm)(.*)$/su.exec(text);
  if (match === null) {
    element.textContent = text;
    return;
  }
  const mu = document.createElement('span');
  mu.textContent = 'μ';
  const eff = document.createElement('sub');
  eff.textContent = 'eff';
  const exponent = document.createElement('sup');
  exponent.textContent = '-1';
  element.replaceChildren(`${match[1]} `, mu, eff, ` =${match[2]}`, exponent, match[3]);
}

export function showMethod() {
  attenuationSentence();
  document.getElementById('sketch').src = `pictures/geometry-${currentLanguage()}.png`;
  document.getElementById('method').showModal();
}

// Ten fields from blue (4 cm) to red (35 cm), dark enough to see on white.
function fieldColour(j, count) {
  const hue = 240 - ((j - 1) * 240) / (count - 1);
  const v = 190 / 255;
  const s = 230 / 255;
  const f = (n) => {
    const k = (n + hue / 60) % 6;
    return Math.round(255 * (v - v * s * Math.max(0, Math.min(k, 4 - k, 1))));
  };
  return `rgb(${f(5)}, ${f(3)}, ${f(1)})`;
}

function drawCurves(tables) {
  const p = (source) => tr('Pictures', source);
  const tmr = new Plot(document.getElementById('tmr-curves'),
    { min: 0, max: 300, step: 50, minor: 10, decimals: 0, title: p('Depth (mm)') },
    { min: 0, max: 1, step: 0.2, minor: 0.1, decimals: 1, title: 'TMR' });
  const ocr = new Plot(document.getElementById('ocr-curves'),
    { min: 0, max: 2, step: 0.5, minor: 0.1, decimals: 1, title: p('Off-axis distance x  (1 = field edge)') },
    { min: 0, max: 1, step: 0.2, minor: 0.1, decimals: 1, title: 'OCR' });
  tmr.axes();
  ocr.axes();
  if (tables === null) return;
  const fields = tables.fieldSizes.length;
  const depths = tables.depths.length;
  for (let j = 1; j <= fields; j += 1) {
    const points = [];
    for (let i = 0; i < depths; i += 1) points.push([tables.depths[i] * 10, tables.tmr[i * fields + j - 1]]);
    tmr.curve(points, fieldColour(j, fields));
  }
  const a = tmr.area;
  tmr.text(p('6 MV X-ray'), a.right - 8, a.top + 16, 'right');
  // The beam quality from the tables, as the core computes it.
  const tpr = tables.tpr2010 === null ? '\u2013' : tables.tpr2010.toFixed(3);
  tmr.textEndingAt([['TPR', false], ['20,10', true], [` = ${tpr}`, false]], a.right - 8, a.top + 34);
  tmr.text(p('square field side (cm)'), a.right - 168, a.bottom - 50);
  for (let j = 1; j <= fields; j += 1) {
    tmr.key(a.right - 168 + ((j - 1) % 5) * 32, a.bottom - 34 + Math.floor((j - 1) / 5) * 15,
      fieldColour(j, fields), String(tables.fieldSizes[j - 1]), [], 10);
  }
  ocr.curve([[1, 0], [1, 1]], 'rgb(150, 150, 150)', { width: 1, dash: [2, 3] });
  const colours = ['rgb(0, 0, 200)', 'rgb(0, 140, 0)', 'rgb(200, 0, 0)'];
  const rows = tables.ocr.length / colours.length;
  colours.forEach((colour, k) => {
    const points = [];
    for (let i = 0; i < rows; i += 1) points.push([0.1 * i, tables.ocr[i * colours.length + k]]);
    ocr.curve(points, colour);
    ocr.key(ocr.area.right - 118, ocr.area.top + 14 + k * 18, colour, format(p('depth %1 cm'), 15 * k));
  });
}

// The data table: the lines exactly as the file has them.
export function showDataTable(dataFile, tables) {
  const lines = dataLines(dataFile.bytes);
  const list = document.getElementById('data-lines');
  list.replaceChildren(...lines.map((line) => {
    const item = document.createElement('li');
    item.textContent = line;
    return item;
  }));
  const m = (source) => tr('DataTableMessages', source);
  let problem = '';
  if (lines.length === 0) {
    problem = format(m('The data file "%1" is empty. The data table needs its first %2 lines.'), dataFile.name, DATA_TABLE_LINES);
  } else if (lines.length === DATA_TABLE_LINES - 1) {
    problem = format(m('The data file "%1" ends after line %2. The data table lists the file\'s first %3 lines, so line %3 is missing.'), dataFile.name, lines.length, DATA_TABLE_LINES);
  } else if (lines.length < DATA_TABLE_LINES) {
    problem = format(m('The data file "%1" ends after line %2. The data table lists the file\'s first %3 lines, so lines %4 to %3 are missing.'), dataFile.name, lines.length, DATA_TABLE_LINES, lines.length + 1);
  }
  document.getElementById('data-table-problem').textContent = problem;
  const dialog = document.getElementById('data-table');
  if (!dialog.open) dialog.showModal();
  drawCurves(tables);
}
