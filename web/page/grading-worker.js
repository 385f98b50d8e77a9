// Grading a class off the page's thread, on a module instance of its own: one message with the
// task's and the students' files starts it; progress and the reports come back as messages.
// Closing the dialog ends the whole worker, since the grading never returns to read another message.
if (typeof createVemrik === 'undefined') importScripts('vemrik.js');

const ready = createVemrik(self.vemrikOptions);

self.onmessage = async ({data}) => {
  try {
    const m = await ready;
    m.setLanguage(data.language ?? 'pl');
    const result = m.gradeClass(data.task, data.tracks, data.students,
                                (done, total) => self.postMessage({kind: 'progress', done, total}));
    self.postMessage({kind: 'done', result}, [result.html.buffer, result.csv.buffer, result.sheet.buffer]);
  } catch (error) {
    self.postMessage({kind: 'error', message: error.message ?? String(error)});
  }
};
