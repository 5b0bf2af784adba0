// Corvane works offline after the first visit: every file of the site is
// kept in a cache named after the build, and served from it first.
const CACHE = '@CACHE_NAME@';
const FILES = @FILES@;

// Fetched past the browser's HTTP cache, so that a new build is cached whole.
self.addEventListener('install', (event) => {
  const requests = FILES.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
});

// The caches of earlier builds go.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE).then(async (cache) => {
    const cached = await cache.match(request, { ignoreSearch: true })
      ?? (request.mode === 'navigate' ? await cache.match('./') : undefined);
    return cached ?? fetch(request);
  }));
});
