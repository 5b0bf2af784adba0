// The irradiation conditions, as the conditions window takes them: the
// set-up and wedge options, three entries that keep their text as typed,
// and Enter, which clamps an entry by the core's rule and moves on.
const CHAIN = [['depth', true], ['width', false], ['length', false]];

const checked = (name) => document.querySelector(`input[name="${name}"]:checked`).value;

export function readConditions() {
  return {
    setup: checked('setup'),
    wedge: checked('wedge'),
    depth: document.getElementById('depth').value,
    width: document.getElementById('width').value,
    length: document.getElementById('length').value,
  };
}

export function wireConditions(core, onOk) {
  CHAIN.forEach(([id, isDepth], k) => {
    const entry = document.getElementById(id);
    entry.addEventListener('keydown', (event) => {
      // Enter with any modifier; every other key is the entry's own.
      if (event.key !== 'Enter' || event.isComposing) return;
      event.preventDefault();
      entry.value = core.clampEntry(entry.value, isDepth);
      const next = k + 1 < CHAIN.length ? document.getElementById(CHAIN[k + 1][0])
        : document.querySelector('input[name="wedge"][value="non"]');
      next.focus();
    });
  });
  document.getElementById('ok').addEventListener('click', onOk);
}
