// Files in and out of the register: a cellar file dropped makes its tanks,
// each with an analysis; the register's export is a cellar file that
// korvane-calc --batch reads as it stands and doses as the page does; a
// backup restores on another device with every id and revision.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, it } from 'node:test';
import { calcBatch, DATA, dropFile, launch, withSiteAndBrowser } from './harness.mjs';
import { chooseTank, openRegister, planAndDo, statusText } from './register_harness.mjs';

const env = withSiteAndBrowser({ before, after });

const rowsOf = (csv) => csv.trim().split(/\r?\n/).map((line) => line.split(','));
const column = (rows, name) => rows.slice(1).map((row) => row[rows[0].indexOf(name)]);

it('fills the register from a dropped cellar file, and its export doses as korvane-calc does', async () => {
  const page = await openRegister(env.browser, env.site.url, { language: 'fr' });
  await dropFile(page, 'cuves_fr.csv', fs.readFileSync(path.join(DATA, 'cellar', 'cuves_fr.csv')), 'reg-files');
  await page.waitForFunction(() => /4/.test(document.getElementById('reg-status').textContent));
  assert.equal(await statusText(page), 'Cuves prises du fichier : 4.');
  const names = await page.$$eval('#reg-tank option', (o) => o.slice(1).map((x) => x.textContent));
  assert.deepEqual(names, ['T1 Syrah', 'T2 Riesling', 'T3 Merlot', 'T4 Rosé']);
  // Each tank's dose planned on the page.
  for (const [i, name] of names.entries()) {
    await chooseTank(page, i + 1);
    assert.equal(await page.$eval('#reg-name', (el) => el.value), name);
    if (await page.$('#reg-plan')) await planAndDo(page, { done: false });
  }
  const exported = await page.evaluate(() => window.korvaneRegister.exportedCellar());
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'korvane-register-')), 'tanks.csv');
  fs.writeFileSync(file, exported);
  const calc = rowsOf(calcBatch(file, []).toString('utf8'));
  const planned = rowsOf(await page.evaluate(() => window.korvaneRegister.additionsCsv()));
  assert.deepEqual(column(calc, 'tank'), names);
  assert.deepEqual(column(calc, 'status'), ['ok', 'ok', 'no_addition', 'ok']);
  // The file's own figures came in with their comma read as a decimal mark.
  assert.deepEqual(column(calc, 'ph'), ['3.62', '3.3', '3.45', '3.4']);
  assert.deepEqual(column(planned, 'tank'), ['T1 Syrah', 'T2 Riesling', 'T4 Rosé']);
  assert.deepEqual(column(planned, 'amount'), column(calc, 'amount').filter((a, i) => i !== 2));
  assert.deepEqual(page.errors, []);
});

it('restores a backup on another device with its ids and revisions', async () => {
  const page = await openRegister(env.browser, env.site.url, { language: 'en' });
  const backup = await page.evaluate(() => window.korvaneRegister.backup());
  assert.ok(backup.docs.length >= 11); // 4 tanks, 4 analyses, 3 plans
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'korvane-register-')), 'backup.json');
  fs.writeFileSync(file, JSON.stringify(backup));
  const other = await launch(); // another device: a profile of its own
  try {
    const there = await openRegister(other, env.site.url, { language: 'en' });
    const input = await there.$('#reg-restore');
    await input.uploadFile(file);
    await there.waitForFunction(() => /Backup restored/.test(document.getElementById('reg-status').textContent));
    const revisions = (p) => p.evaluate(async () => (await window.korvaneRegister.db.allDocs()).rows
      .map((r) => `${r.id} ${r.value.rev}`));
    assert.deepEqual(await revisions(there), await revisions(page));
    assert.equal((await there.$$('#reg-tank option')).length, 5);
    // Restoring it again changes nothing.
    await input.uploadFile(file);
    await there.waitForFunction(() => /Backup restored/.test(document.getElementById('reg-status').textContent));
    assert.deepEqual(await revisions(there), await revisions(page));
    assert.deepEqual(there.errors, []);
  } finally {
    await other.close();
  }
});
