// SPDX-License-Identifier: MIT
// Keeps the page's own files, so that it opens without a network after the first visit; it asks
// for nothing else, keeps nothing of the user's and sends nothing.
const cache = "hex-converter-@PROJECT_VERSION@";
const files = [@HEXCONV_KEPT_FILES@];

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(cache).then((opened) => opened.addAll(files)));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys().then((names) => Promise.all(
        names.filter((name) => name !== cache).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The network first, so that a new release shows at once, asking the server even where the
// browser's own cache would take an old copy for fresh; the kept copy where there is no network.
self.addEventListener("fetch", (event) => {
    const request = event.request.mode === "navigate" ? event.request.url : event.request;
    event.respondWith(fetch(request, {cache: "no-cache"}).then((fetched) => {
        if (fetched.ok && new URL(event.request.url).origin === location.origin) {
            const copy = fetched.clone();
            caches.open(cache).then((opened) => opened.put(event.request, copy));
        }
        return fetched;
    }).catch(() => caches.match(event.request, {ignoreSearch: true})));
});
