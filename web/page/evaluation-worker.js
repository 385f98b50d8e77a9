// One share of "Oceń algorytm…" off the page's thread, on a module instance of its own: several
// such workers make the runs together, and the page merges their shares. One message starts the
// share; progress and the share's bytes come back as messages. "Anuluj" ends the whole worker,
// since a running evaluation never returns to read another message. A first message {warm}
// makes a few runs of the work, so that V8 has optimised the runs' code before the real share.
// The one-file page's worker starts with the module and its wasm already there (worker-source.js).
if (typeof createVemrik === 'undefined') importScripts('vemrik.js');

const ready = createVemrik(self.vemrikOptions);

self.onmessage = async ({data}) => {
  try {
    const m = await ready;
    if (data.warm) {
      m.evaluateShare(data.workspace, JSON.stringify({seed: 1, runs: 20, maxSteps: 5000}), 0, 1, null);
      return;
    }
    m.setLanguage(data.language ?? 'pl');
    // The module calls back about two hundred times a share, not after every run.
    const share = m.evaluateShare(data.workspace, data.job, data.part, data.parts, (done, total) => {
      self.postMessage({kind: 'progress', done, total});
      return false;
    });
    self.postMessage({kind: 'done', share}, [share.buffer]);
  } catch (error) {
    self.postMessage({kind: 'error', message: error.message ?? String(error)});
  }
};
