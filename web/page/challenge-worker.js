// "Sprawdź wyzwanie" off the page's thread, on a module instance of its own: one message with the
// series' files, the level's file name and the work; the verdict comes back as a message.
if (typeof createVemrik === 'undefined') importScripts('vemrik.js');

const ready = createVemrik(self.vemrikOptions);

self.onmessage = async ({data}) => {
  try {
    const m = await ready;
    m.setLanguage(data.language ?? 'pl');
    self.postMessage({kind: 'done', verdict: m.challengeVerdict(data.files, data.level, data.workspace)});
  } catch (error) {
    self.postMessage({kind: 'error', message: error.message ?? String(error)});
  }
};
