// Corvane in the browser: the conditions, the chart with its readout, the
// reference, the profiles, saving, printing, the method and data table, and
// the data file in use, wired to the core.
import { ChartView } from './chart-view.js';
import { readConditions, wireConditions } from './conditions.js';
import { startCore } from './core.js';
import { fetchDataFile, readDataFile, dataLines } from './data-file.js';
import {
  currentLanguage, format, loadCatalogs, onLanguageChange, rememberedLanguage, setLanguage, tr,
} from './i18n.js';
import { showDataTable, showMethod } from './method.js';
import { clearPrintedPage, preparePrintedPage, saveChart, saveText } from './output.js';
import { ProfilesPanel } from './profiles.js';
import { installScripting } from './scripting.js';

const BUNDLED = { url: 'data/6MVTMROCR.dat', name: '6MVTMROCR.dat' };
const $ = (id) => document.getElementById(id);

let app = null;
let view = null;
let profiles = null;
let dataFile = null;  // the data file in use: {name, bytes}
let mesh = 0;         // MeshMode: 1 adds the 1 cm grid
let failed = false;   // the last run failed: its messages are shown
let cursor = null;    // the cross-hair's last cell in the chart

function paragraphs(element, texts) {
  element.replaceChildren(...texts.map((text) => {
    const p = document.createElement('p');
    p.textContent = text;
    return p;
  }));
}

function showFailureMessages() {
  const box = $('failure');
  box.hidden = !failed;
  if (failed) paragraphs(box, app.failureMessages.map((m) => tr(app.failureContext, m)));
}

function setChartShown(shown) {
  $('chart-hint').hidden = shown;
  $('chart-tools').hidden = !shown;
  $('clear').disabled = !app.session.hasReference();
  $('hold').disabled = !shown;
  if (!shown) {
    view.hide();
    clearPrintedPage();
  }
}

function chartDrawn() {
  preparePrintedPage(() => app.session.printedPage(), app.pictureWindow, app.palette);
  setChartShown(true);
  profiles.update();
}

// OK and "Change mesh size": the whole calculation with the entries as
// they stand; a failure shows the two messages and hides the chart.
function runCalculation() {
  const c = readConditions();
  const run = app.session.run(c.setup, c.wedge, c.depth, c.width, c.length, mesh);
  failed = !run.ok;
  showFailureMessages();
  $('chart-message').textContent = '';
  if (!run.ok) {
    if (run.cause) console.warn(`corvane: the calculation failed: ${run.cause}`);
    setChartShown(false);
    return;
  }
  view.show(run.ops);
  chartDrawn();
}

// The chart drawn again as it is, with or without the reference.
function redrawChart() {
  const run = app.session.redraw(mesh);
  const m = (source) => tr('ChartWindowMessages', source);
  if (run.referenceCleared !== undefined) {
    $('chart-message').textContent = format(m('The reference could not be drawn, so it was cleared.\n(%1)'), run.referenceCleared);
  }
  if (!run.ok) {
    $('chart-message').textContent = format(m('The chart could not be drawn again.\n(%1)'), run.cause);
    return;
  }
  view.redraw(run.ops);
  chartDrawn();
}

function referenceWords() {
  app.session.setReferenceWords(tr('corvane::ChartWindowTools', 'Reference (grey, dashed)'),
    tr('corvane::ChartWindowTools', 'Depth'));
}

function showDataFileName() {
  $('data-file-name').textContent = app.core.pathForMessage(dataFile.name);
  $('data-heading').textContent = dataLines(dataFile.bytes, 1)[0] ?? '';
}

// The last data file's fault or warning, in the page's language.
function showDataMessages() {
  const { fault, warning } = app.session.dataMessages(tr);
  $('data-message').hidden = fault === '';
  paragraphs($('data-message'), fault === '' ? [] : [fault]);
  $('data-warning').hidden = warning === '';
  $('data-warning').textContent = warning;
}

// A data file that loads replaces the one in use, and the chart waits for
// the next OK; one that does not load is named with the loader's message
// and changes nothing.
function useDataFile(file) {
  const loaded = app.session.loadData(file.bytes, file.name, file.moreFollows);
  showDataMessages();
  if (!loaded) return false;
  dataFile = { name: file.name, bytes: file.bytes };
  showDataFileName();
  failed = false;
  showFailureMessages();
  setChartShown(false);
  return true;
}

async function chooseDataFile(input) {
  const [file] = input.files;
  if (file === undefined) return;
  try {
    useDataFile(await readDataFile(file, app.core.dataSizeLimit));
  } catch (error) {
    $('data-message').hidden = false;
    paragraphs($('data-message'), [format(tr('WebMessages', 'The data file "%1" could not be read.'),
      app.core.pathForMessage(file.name))]);
    console.warn('corvane: reading the data file failed:', error);
  }
}

function confirmPrint() {
  const dialog = $('print-confirm');
  dialog.showModal();
  $('print-no').focus();
}

function wire() {
  wireConditions(app.core, () => {
    mesh = 0;
    runCalculation();
  });
  $('mesh').addEventListener('click', () => {
    mesh = 1 - mesh;
    runCalculation();
  });
  $('print').addEventListener('click', confirmPrint);
  $('print-no').addEventListener('click', () => $('print-confirm').close());
  $('print-yes').addEventListener('click', () => {
    $('print-confirm').close();
    window.print();
    // As on the desktop: one print from this chart window.
    $('print').disabled = true;
  });
  $('hold').addEventListener('click', () => {
    app.session.holdReference();
    redrawChart();
  });
  $('clear').addEventListener('click', () => {
    app.session.clearReference();
    redrawChart();
  });
  $('save').addEventListener('click', () => {
    const kind = $('save-format').value;
    saveChart(kind, view.ops, app.pictureWindow, app.palette, app.session.fileName(`.${kind}`))
      .catch((error) => { $('chart-message').textContent = String(error); });
  });
  $('profiles-toggle').addEventListener('click', () => {
    const section = $('profiles');
    section.hidden = !section.hidden;
    $('profiles-toggle').setAttribute('aria-expanded', String(!section.hidden));
    $('chart-tools').classList.toggle('with-profiles', !section.hidden);
    profiles.update();
  });
  const cell = () => cursor ?? [app.session.targetCell().ix, app.session.targetCell().iy];
  $('profiles-csv').addEventListener('click', () => {
    const [ix, iy] = cell();
    saveText(app.session.profilesCsv(false, ix, iy), app.session.fileName('-profiles.csv'), 'text/csv');
  });
  $('profiles-copy').addEventListener('click', () => {
    const [ix, iy] = cell();
    navigator.clipboard.writeText(app.session.profilesCsv(true, ix, iy)).catch((error) => {
      $('chart-message').textContent = String(error);
    });
  });
  $('method-open').addEventListener('click', showMethod);
  $('data-table-open').addEventListener('click', () => showDataTable(dataFile, app.session.beamTables()));
  for (const button of document.querySelectorAll('[data-close]')) {
    button.addEventListener('click', () => $(button.dataset.close).close());
  }
  $('data-file').addEventListener('change', (event) => chooseDataFile(event.target));
  $('language').addEventListener('change', (event) => setLanguage(event.target.value));
  onLanguageChange(() => {
    referenceWords();
    showFailureMessages();
    showDataMessages();
    if (view.shown && app.session.hasReference()) redrawChart();
    profiles.update();
  });
}

function decimalSeparator() {
  const part = new Intl.NumberFormat().formatToParts(1.5).find((p) => p.type === 'decimal');
  return part === undefined ? '.' : part.value;
}

async function boot() {
  const [started] = await Promise.all([startCore(), loadCatalogs('i18n/catalogs.json')]);
  app = started;
  setLanguage(rememberedLanguage());
  $('language').value = currentLanguage();
  app.session.setDecimalSeparator(decimalSeparator());
  referenceWords();
  profiles = new ProfilesPanel(app.session);
  view = new ChartView({
    session: app.session,
    palette: app.palette,
    pictureWindow: app.pictureWindow,
    onCursor: (ix, iy) => {
      cursor = [ix, iy];
      profiles.update(ix, iy);
    },
  });
  wire();
  if (!useDataFile(await fetchDataFile(BUNDLED.url, BUNDLED.name))) throw new Error('the bundled data file did not load');
  installScripting(app.session, app.failureMessages);
  $('ok').disabled = false;
  document.documentElement.dataset.ready = 'true';
  performance.mark('corvane-usable');
}

boot().catch((error) => {
  console.error('corvane: the page could not start:', error);
  const box = $('failure');
  box.hidden = false;
  paragraphs(box, [format(tr('WebMessages', 'The page could not start: %1'), String(error))]);
});

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js').catch((error) => {
    console.warn('corvane: working offline is not available:', error);
  });
}
