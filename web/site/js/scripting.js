// window.corvane: the calculation for scripts, in the words of corvane-chart.
// Each function takes the conditions as an object with the tool's option
// names and texts ({setup: "std", depth: "8.5", width: "12", length: "7.5",
// wedge: "45"}); a missing key takes the tool's default. They compute on the
// data file the page uses and change nothing on the page.
const DEFAULTS = { setup: 'ssd', depth: '5.0', width: '10.0', length: '10.0', wedge: 'non' };

function conditionTexts(conditions) {
  if (conditions === undefined || conditions === null) return { ...DEFAULTS };
  if (typeof conditions !== 'object') throw new TypeError('the conditions are an object, such as {depth: "8.5"}');
  const texts = { ...DEFAULTS };
  for (const [key, value] of Object.entries(conditions)) {
    if (!(key in DEFAULTS)) throw new TypeError(`unknown option "${key}"; the options are ${Object.keys(DEFAULTS).join(', ')}`);
    if (typeof value !== 'string' && typeof value !== 'number') throw new TypeError(`the value of "${key}" is a text`);
    texts[key] = String(value);
  }
  return texts;
}

function meshOf(mesh) {
  if (mesh === undefined || mesh === 0 || mesh === '0') return 0;
  if (mesh === 1 || mesh === '1') return 1;
  throw new TypeError(`mesh takes 0 or 1, not ${JSON.stringify(mesh)}`);
}

// A usage fault is a TypeError; a calculation that fails is an Error whose
// message holds the two messages of the failure, one per line.
function unwrap(result, failureMessages) {
  if (result === null || typeof result !== 'object' || !('failure' in result)) return result;
  if (result.failure === 'usage') throw new TypeError(result.message);
  const error = new Error(failureMessages.join('\n'));
  error.cause = result.message;
  throw error;
}

export function installScripting(session, failureMessages) {
  const call = (method, conditions, ...rest) => {
    const c = conditionTexts(conditions);
    return unwrap(session[method](c.setup, c.wedge, c.depth, c.width, c.length, ...rest), failureMessages);
  };
  window.corvane = Object.freeze({
    // DoseGrid as corvane-chart dose writes it: 301 rows of 501, index J * 501 + I.
    dose: (conditions) => call('dose', conditions),
    // The text of corvane-chart ops, byte for byte.
    ops: (conditions, mesh) => call('opsText', conditions, meshOf(mesh)),
  });
  window.dispatchEvent(new Event('corvane-ready'));
}
