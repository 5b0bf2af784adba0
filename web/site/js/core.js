// The core compiled to WebAssembly, with the page's one session in it.
import CorvaneCore from '../wasm/corvane-core.js';

export async function startCore() {
  const core = await CorvaneCore();
  return {
    core,
    session: new core.Session(),
    palette: core.palette(),
    pictureWindow: core.chartPicture(),
    failureMessages: core.failureMessages(),
    failureContext: core.failureMessageContext(),
  };
}
