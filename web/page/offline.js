// A served page keeps working offline: its service worker (service-worker.js) holds the site's
// files. A page opened from disk has no service worker, and needs none.
export function keepForOffline() {
  if (!('serviceWorker' in navigator) || !location.protocol.startsWith('http')) return;
  navigator.serviceWorker.register('service-worker.js').catch(() => {});
}
