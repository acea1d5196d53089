// axe-core finds no violation of WCAG 2.1 A and AA, nor of its best
// practices, on the page at a desktop's and a phone's width: as it opens,
// with a message beside a field, with a question asked, and with a cellar
// file's table.
import assert from 'node:assert/strict';
import path from 'node:path';
import { after, before, it } from 'node:test';
import { axeViolations as violations, DATA, openPage, typeInto, withSiteAndBrowser } from './harness.mjs';

const env = withSiteAndBrowser({ before, after });

for (const [width, height] of [[1280, 800], [360, 740]]) {
  it(`finds no violation at ${width}×${height}`, async () => {
    const page = await openPage(env.browser, env.site.url, { language: 'fr', width, height });
    const found = await violations(page, 'opened');
    await typeInto(page, 'ph', '');
    await page.click('#calculate');
    found.push(...await violations(page, 'failed check'));
    const file = await page.$('#file');
    await file.uploadFile(path.join(DATA, 'cellar', 'cuves_fr.csv'));
    await page.waitForSelector('#batch-result:not([hidden])');
    found.push(...await violations(page, 'cellar file'));
    await typeInto(page, 'ph', '1.5');
    await page.click('#calculate');
    await page.waitForSelector('#question[open]');
    found.push(...await violations(page, 'question'));
    assert.deepEqual(found, []);
    await page.close();
  });
}
