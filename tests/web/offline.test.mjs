// After the first visit the page works with the network cut: the service
// worker keeps every file of the site.
import assert from 'node:assert/strict';
import { after, before, it } from 'node:test';
import { fillSheet, openPage, speak, textOf, valueOf, withSiteAndBrowser } from './harness.mjs';

let site;
let browser;
withSiteAndBrowser({ before, after }, (s, b) => {
  site = s;
  browser = b;
});

it('calculates after a reload with the network cut', async () => {
  const page = await openPage(browser, site.url, { language: 'en' });
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const cached = await page.evaluate(async () => {
    const names = await caches.keys();
    const files = await (await caches.open(names[0])).keys();
    return { names, files: files.map((r) => new URL(r.url).pathname).sort() };
  });
  assert.equal(cached.names.length, 1);
  assert.match(cached.names[0], /^korvane-[0-9a-f]{16}$/);
  assert.deepEqual(cached.files, ['/', '/icon-192.png', '/icon-512.png', '/icon-maskable-512.png',
    '/index.html', '/manifest.webmanifest', '/register.js', '/sync.js']);

  await page.setOfflineMode(true);
  site.close();
  await page.reload();
  await page.waitForSelector('body[data-ready]');
  await fillSheet(page, { ph: '3.5', free_so2: '10', batch_size: '23', unit: 'litres', form: 'potassium',
    target_kind: 'free', target_free: '40', method: 'powder' });
  await page.click('#calculate');
  assert.equal(await valueOf(page, 'amount'), '1.19');
  // Every language is there too.
  await speak(page, 'fr');
  assert.notEqual(await textOf(page, 'calculate'), 'Calculate');
  assert.deepEqual(page.errors, []);
});
