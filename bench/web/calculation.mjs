// The browser module's calculation in node, without the page: the dose grid
// with the chart traced and packed for the page (Session.run), and the grid
// alone as the scripting function returns it (Session.dose); medians of 200.
//
//   node bench/web/calculation.mjs build-web/site/wasm
import fs from 'fs';
import path from 'path';

const dir = path.resolve(process.argv[2] ?? 'build-web/site/wasm');
const { default: CorvaneCore } = await import(path.join(dir, 'corvane-core.js'));
const core = await CorvaneCore({ wasmBinary: fs.readFileSync(path.join(dir, 'corvane-core.wasm')) });
const session = new core.Session();
const data = new URL('../../data/6MVTMROCR.dat', import.meta.url);
session.loadData(fs.readFileSync(data), '6MVTMROCR.dat', false);

const median = (f) => {
  const times = [];
  for (let i = 0; i < 200; i += 1) {
    const t0 = performance.now();
    f();
    times.push(performance.now() - t0);
  }
  return times.sort((a, b) => a - b)[100].toFixed(3);
};

for (const [name, conditions] of [
  ['default conditions', ['ssd', 'non', '5.0', '10.0', '10.0']],
  ['30 x 30 cm, 60 degree wedge', ['ssd', '60', '5.0', '30', '30']],
  ['failing field (STD, 20 cm)', ['std', 'non', '20', '10', '10']],
]) {
  console.log(`${name}: run ${median(() => session.run(...conditions, 0))} ms, `
    + `dose ${median(() => session.dose(...conditions))} ms`);
}
