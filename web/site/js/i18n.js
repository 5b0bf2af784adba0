// The page's texts in the chosen language: the desktop's catalogs, converted
// at build time (web/tools/convert-catalogs.py), keyed by context and source
// text, with the few texts only the page has. Every text reaches the page as
// text, never as markup.
const STORAGE_KEY = 'corvane.language';
export const LANGUAGES = ['en', 'ja', 'default'];

let catalogs = {};
let language = 'default';
const listeners = [];

export async function loadCatalogs(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status}`);
  catalogs = await response.json();
}

export function rememberedLanguage() {
  let stored = null;
  try {
    stored = localStorage.getItem(STORAGE_KEY);
  } catch {
    // Storage may be switched off; the designed mix is then the choice.
  }
  return LANGUAGES.includes(stored) ? stored : 'default';
}

export const currentLanguage = () => language;

export function tr(context, source) {
  return catalogs[language]?.[context]?.[source] ?? source;
}

// "%1" ... "%9" replaced in one pass, so that an argument's own "%2" stays.
export function format(text, ...args) {
  return text.replace(/%([1-9])/g, (place, n) => (n <= args.length ? String(args[n - 1]) : place));
}

const JAPANESE = /[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]/;

// An element's text from its data-tr="CONTEXT|SOURCE"; in the designed mix
// a Japanese text is marked as such for screen readers and fonts.
function applyText(element, text) {
  element.textContent = text;
  if (language === 'default') element.lang = JAPANESE.test(text) ? 'ja' : '';
}

function entry(attribute) {
  const bar = attribute.indexOf('|');
  return tr(attribute.slice(0, bar), attribute.slice(bar + 1));
}

export function applyTexts(root = document) {
  for (const element of root.querySelectorAll('[data-tr]')) applyText(element, entry(element.dataset.tr));
  for (const element of root.querySelectorAll('[data-tr-label]')) {
    element.setAttribute('aria-label', entry(element.dataset.trLabel));
  }
  for (const element of root.querySelectorAll('[data-tr-alt]')) {
    element.alt = entry(element.dataset.trAlt);
  }
}

export function setLanguage(choice) {
  language = LANGUAGES.includes(choice) ? choice : 'default';
  try {
    localStorage.setItem(STORAGE_KEY, language);
  } catch {
    // Not remembered; the choice still holds for this visit.
  }
  document.documentElement.lang = language === 'ja' ? 'ja' : 'en';
  applyTexts();
  for (const listener of listeners) listener(language);
}

export function onLanguageChange(listener) {
  listeners.push(listener);
}
