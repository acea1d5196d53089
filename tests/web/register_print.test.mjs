// The register as it is seen and printed: the day's work order on paper
// (one line per planned addition, nothing of the form), axe-core clean on
// its views at a desktop's and a phone's width, and screenshots of them in
// every language to look at.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, it } from 'node:test';
import { axeViolations, screenshotPath, withSiteAndBrowser } from './harness.mjs';
import { chooseTank, createTank, enterAnalysis, openRegister, planAndDo } from './register_harness.mjs';

const env = withSiteAndBrowser({ before, after });

const TANKS = [
  [{ name: 'Cuve 1', volume: '300', unit: 'hl', target_kind: 'free', target: '35', form: 'potassium',
    method: 'powder' }, { ph: '3.62', free_so2: '12', total_so2: '110' }],
  [{ name: 'Cuve 2', volume: '225', unit: 'litres', target_kind: 'free', target: '30', form: 'potassium',
    method: 'tablet' }, { ph: '3.4', free_so2: '10', total_so2: '90' }],
  [{ name: 'Cuve 3', volume: '20', unit: 'litres', target_kind: 'free', target: '30', form: 'potassium',
    method: 'powder' }, { ph: '3.4', free_so2: '10' }],
];

it('prints one line per planned addition and nothing else', async () => {
  const page = await openRegister(env.browser, env.site.url, { language: 'en' });
  for (const [tank, analysis] of TANKS) {
    await createTank(page, tank);
    await enterAnalysis(page, analysis);
    await planAndDo(page, { done: tank.name === 'Cuve 1' });
  }
  // A tank retired with an addition planned is out of the cellar: off the paper.
  await createTank(page, { ...TANKS[2][0], name: 'Cuve 4' });
  await enterAnalysis(page, TANKS[2][1]);
  await planAndDo(page, { done: false });
  await page.click('#reg-retired');
  await page.click('#reg-save-tank');
  await page.waitForFunction(() => document.getElementById('reg-status').textContent === 'Tank saved.');
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'korvane-print-'));
  await page.pdf({ path: path.join(folder, 'work.pdf'), format: 'A4' });
  const text = execFileSync('pdftotext', ['-layout', path.join(folder, 'work.pdf'), '-'], { encoding: 'utf8' });
  const lines = text.split('\n').map((l) => l.trim()).filter(Boolean);
  const work = lines.filter((l) => /[☐☒]/.test(l));
  assert.equal(work.length, 3, text);
  // Kilograms above a kilogram; whole tablets, rounded up, with the SO2
  // they really give (20 mg/L asked); a small home amount in grams and
  // teaspoons. Each line's total counts what its tank really gets.
  assert.match(work[0], /^Cuve 1 +300 Hectolitres .* 1\.19 kg +23\.0 +133\.0 +☒/);
  const [tablets, given, total] = work[1]
    .match(/^Cuve 2 +225 Litres .* (\d+) tablets +(\d+\.\d) +(\d+\.\d) +☐/).slice(1).map(Number);
  assert.ok(given > 20 && given <= (20 * tablets) / (tablets - 1), work[1]);
  assert.equal(total, 90 + given);
  assert.match(work[2], /^Cuve 3 +20 Litres .* 0\.\d\d g \(0\.\d\d teaspoons\) +20\.0 +— +☐/);
  // The day, the table's heads, the lines: nothing of the form, its buttons
  // or the drop zone.
  assert.match(lines[0], /^Work order · /);
  assert.ok(lines.length <= 1 + 3 + 3 * 2, text); // heads over two lines at most; a product over two
  for (const gone of ['Calculate', 'Sulphite', 'Drop', 'Print', 'Korvane', 'Save', 'History', 'Choose']) {
    assert.ok(!text.includes(gone), `${gone} on paper:\n${text}`);
  }
  assert.deepEqual(page.errors, []);
});

for (const [width, height] of [[1280, 800], [360, 740]]) {
  it(`finds no violation on the register's views at ${width}×${height}, in every language`, async () => {
    const found = [];
    for (const language of ['en', 'fr', 'it', 'es', 'de', 'pt']) {
      const page = await openRegister(env.browser, env.site.url, { language, width, height });
      await chooseTank(page, 1);
      await page.click('#reg-details summary');
      if (language === 'en') found.push(...await axeViolations(page, `${language} ${width}`, '#register'));
      const box = await page.$('#register');
      await box.screenshot({ path: screenshotPath(`register-${language}-${width}.png`) });
      // Nothing of the register wider than the page.
      const wide = await page.evaluate(() => [...document.querySelectorAll('#register *')]
        .filter((el) => el.getBoundingClientRect().right > document.documentElement.clientWidth + 1
          && !el.closest('.table-box, .reg-plot')).map((el) => el.id || el.className || el.tagName));
      assert.deepEqual(wide, [], `${language} ${width}`);
      assert.deepEqual(page.errors, []);
      await page.close();
    }
    assert.deepEqual(found, []);
  });
}
