// The site's files for offline use: all fetched into a cache named for the site's version on the
// first visit, then served from it; a new version's worker fills a new cache and drops the old.
// site-files.js, written by the build, names the files and the version.
importScripts('site-files.js');

const cacheName = `vemrik-${self.siteVersion}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(self.siteFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  const old = (name) => name.startsWith('vemrik-') && name !== cacheName;
  event.waitUntil(caches.keys()
                      .then((names) => Promise.all(names.filter(old).map((name) => caches.delete(name))))
                      .then(() => self.clients.claim()));
});

// The address's query (the example, the clock) picks no other file.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(cacheName)
                        .then((cache) => cache.match(event.request, {ignoreSearch: true}))
                        .then((kept) => kept ?? fetch(event.request)));
});
