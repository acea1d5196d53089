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
  await page.waitForFunction(() => /3/.test(document.getElementById('reg-status').textContent));
  // A row the core refuses is not taken: T4's volume reads two ways.
  assert.equal(await statusText(page), 'Cuves prises du fichier : 3. Lignes non prises pour une erreur : 1. La première '
    + 'est la ligne 6 : batch_size « 1.100 » peut valoir 1100 ou 1.100 : indiquez le séparateur décimal du fichier.');
  const names = await page.$$eval('#reg-tank option', (o) => o.slice(1).map((x) => x.textContent));
  assert.deepEqual(names, ['T1 Syrah', 'T2 Riesling', 'T3 Merlot']);
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
  assert.deepEqual(column(calc, 'status'), ['ok', 'ok', 'no_addition']);
  // The file's own figures came in with their comma read as a decimal mark.
  assert.deepEqual(column(calc, 'ph'), ['3.62', '3.3', '3.45']);
  assert.deepEqual(column(planned, 'tank'), ['T1 Syrah', 'T2 Riesling']);
  assert.deepEqual(column(planned, 'amount'), column(calc, 'amount').filter((a, i) => i !== 2));
  // A row the core questions is taken, but planned only once a person has answered it.
  // A file whose targets say not their kind is to say it: the register has
  // no list of the kind.
  await dropFile(page, 'cibles.csv', 'tank;ph;free_so2;batch_size;target\r\nT9;3,4;10;100;30\r\n', 'reg-files');
  await page.waitForFunction(() => /cibles/.test(document.getElementById('reg-status').textContent));
  assert.equal(await statusText(page), 'cibles.csv a une colonne target mais pas de colonne target_kind : ajoutez-en '
    + 'une au fichier, avec free ou molecular sur chaque ligne.');
  // Its colour in the file's words is kept as the tank's list names it.
  await dropFile(page, 'doute.csv', 'tank;ph;free_so2;batch_size;unit;form;method;target_kind;target;couleur\r\n'
    + 'T5 Doute;3,4;0,00001;1000;litres;potassium;powder;free;30;Blanc\r\n', 'reg-files');
  await page.waitForFunction(() => /1\./.test(document.getElementById('reg-status').textContent));
  await chooseTank(page, 4);
  assert.equal(await page.$eval('#reg-colour', (el) => el.value), 'white');
  assert.match(await page.$eval('#reg-dose', (el) => el.textContent), /^Le SO2 mesuré semble bas.*corrigez l’anal/);
  assert.equal(await page.$('#reg-plan'), null);
  await page.click('#reg-history button');
  await page.click('#reg-save-analysis');
  await page.waitForSelector('#question[open]');
  await page.click('#question-yes');
  await page.waitForSelector('#reg-plan');
  assert.deepEqual(page.errors, []);
});

it('restores a backup on another device with its ids and revisions', async () => {
  const page = await openRegister(env.browser, env.site.url, { language: 'en' });
  const backup = await page.evaluate(() => window.korvaneRegister.backup());
  assert.ok(backup.docs.length >= 11); // 4 tanks, 5 analyses, 2 plans
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
