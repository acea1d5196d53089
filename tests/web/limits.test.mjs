// The wine's total SO2 and its legal limit on the page: the form's fields
// reach the core as korvane-calc's options do, the cellar table gets the
// wine's three columns, and the wine's defaults keep settings.cfg as it was.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import { CALC, DATA, NOT_CALCULATED, dropFile, fillSheet, shown, textOf, typeInto, valueOf,
  withEnglishPage } from './harness.mjs';

let page;
withEnglishPage({ before, after }, (opened) => { page = opened; });

const WORKED = { ph: '3.5', free_so2: '10', batch_size: '23', unit: 'litres', form: 'potassium',
  method: 'powder', target_kind: 'free', target_free: '40' };
const WORKED_OPTIONS = ['--ph', '3.5', '--free-so2', '10', '--batch-size', '23', '--unit', 'litres',
  '--form', 'potassium', '--method', 'powder', '--target-free', '40'];

async function calculate() {
  await page.click('#calculate');
  await page.waitForFunction(() => document.getElementById('amount').value !== '—'
    || document.getElementById('question').open);
}

describe('the wine\'s total SO2', () => {
  it('reaches the core with the binding factor: the figures are korvane-calc\'s', async () => {
    await fillSheet(page, WORKED);
    await typeInto(page, 'total_so2', '80');
    await typeInto(page, 'binding_factor', '1.5');
    await calculate();
    const calc = JSON.parse(execFileSync(CALC, [...WORKED_OPTIONS, '--total-so2', '80',
      '--binding-factor', '1.5', '--format', 'json']));
    assert.equal(await valueOf(page, 'amount'), calc.amount);
    assert.equal(await valueOf(page, 'so2_added'), calc.so2_added);
    assert.equal(await valueOf(page, 'projected_total_so2'), calc.projected_total_so2);
    // No regime: the total is shown and checked against nothing, and said so.
    assert.equal(await valueOf(page, 'total_so2_limit'), NOT_CALCULATED);
    assert.equal(await textOf(page, 'limit-basis'),
      'No legal limit chosen: the total is checked against none.');
    assert.equal(await shown(page, 'over-limit'), false);
  });

  it('over its limit is asked about first, then shown beside the limit and marked', async () => {
    await page.select('#regime', 'eu');
    await page.select('#colour', 'red');
    await typeInto(page, 'total_so2', '121');
    await typeInto(page, 'binding_factor', '');
    // (The question's text and figure in each language: languages.test.mjs.)
    await calculate();
    await page.click('#question-no');
    assert.equal(await valueOf(page, 'projected_total_so2'), NOT_CALCULATED);
    await calculate();
    await page.click('#question-yes');
    await page.waitForFunction(() => document.getElementById('projected_total_so2').value === '151.00');
    assert.equal(await valueOf(page, 'total_so2_limit'), '150');
    assert.equal(await page.$eval('#projected_total_so2', (o) => o.classList.contains('over')), true);
    assert.equal(await textOf(page, 'limit-basis'), 'EU limit for a dry red; style not given: took '
      + 'still wine\'s limit; sugar not given: took the stricter limit');
    // A limit of one's own wins over the regime's.
    await typeInto(page, 'limit', '155');
    await calculate();
    assert.equal(await valueOf(page, 'total_so2_limit'), '155');
    assert.equal(await textOf(page, 'limit-basis'), 'Your own limit, which wins over the legal one.');
    assert.equal(await shown(page, 'over-limit'), false);
    await typeInto(page, 'limit', '');
    // A total the wine cannot have is refused at its field.
    await typeInto(page, 'total_so2', '5');
    await page.click('#calculate');
    await page.waitForFunction(() => document.getElementById('total_so2-message').textContent !== '');
    assert.equal(await textOf(page, 'total_so2-message'), 'Total SO2 cannot be less than free SO2.');
    await typeInto(page, 'total_so2', '');
    await page.select('#regime', '');
    await page.select('#colour', '');
  });
});

describe('a cellar file with the wine\'s columns', () => {
  it('gets the three columns, and the CSV is korvane-calc\'s with the form\'s regime', async () => {
    const file = path.join(DATA, 'cellar', 'cuves_limites_libreoffice_fr.csv');
    await page.select('#regime', 'eu');
    await page.click('#answer-yes');
    await dropFile(page, 'cuves.csv', fs.readFileSync(file));
    await page.waitForSelector('#download:not([hidden])');
    const headers = await page.$$eval('#batch-table th', (ths) => ths
      .filter((th) => th.getClientRects().length).map((th) => th.textContent));
    assert.deepEqual(headers, ['Line', 'Tank', 'Amount', 'Status', 'SO2 added',
      'Projected total SO2', 'Total SO2 limit', 'Message']);
    const rows = await page.$$eval('#batch-table tbody tr', (trs) => trs.map((tr) =>
      [...tr.cells].slice(4, 7).map((td) => (td.classList.contains('over') ? `${td.textContent}!` : td.textContent))));
    // T3 Merlot: 140 + 15 is over the dry red's 150.
    assert.deepEqual(rows[2], ['15,00', '155,00!', '150']);
    assert.deepEqual(rows[4], ['22,00', '', '']);
    const csv = await page.$eval('#download', async (a) => (await fetch(a.href)).text());
    const expected = spawnSync(CALC, ['--batch', file, '--format', 'csv', '--regime', 'eu', '--yes',
      '--form', 'potassium', '--method', 'powder', '--solution-pct', '10', '--tablet-g', '0.44']);
    assert.equal(csv, expected.stdout.toString());
    await page.select('#regime', '');
    await page.click('#answer-yes');
  });
});

describe('the wine\'s defaults', () => {
  it('are kept apart: settings.cfg keeps its seven records, byte for byte', async () => {
    await page.click('#restore-defaults');
    await page.click('#save-defaults');
    const plain = await page.evaluate(() => localStorage.getItem('korvane.settings.cfg'));
    await page.select('#regime', 'oiv');
    await page.select('#colour', 'white');
    await typeInto(page, 'binding_factor', '1.2');
    await page.click('#save-defaults');
    assert.equal(await page.evaluate(() => localStorage.getItem('korvane.settings.cfg')), plain);
    assert.equal(plain.split('\r\n').length, 8);
    const wine = () => page.evaluate(() => ['regime', 'colour', 'binding_factor']
      .map((id) => document.getElementById(id).value));
    await page.reload();
    await page.waitForSelector('body[data-ready]');
    assert.deepEqual(await wine(), ['oiv', 'white', '1.2']);
    await page.click('#restore-defaults');
    assert.deepEqual(await wine(), ['', '', '']);
    assert.deepEqual(page.errors, []);
    await page.evaluate(() => localStorage.clear());
  });
});
