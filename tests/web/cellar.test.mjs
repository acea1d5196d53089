// A cellar file dropped onto the page, or chosen, gives byte for byte the CSV
// korvane-calc gives with the options the page's form stands for.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import { CALC, DATA, dropFile, screenshotPath, shown, textOf, typeInto, withEnglishPage } from './harness.mjs';

let page;
withEnglishPage({ before, after }, (opened) => { page = opened; });

const cellar = (name) => path.join(DATA, 'cellar', name);

function calc(file, args) {
  const run = spawnSync(CALC, ['--batch', file, '--format', 'csv', ...args]);
  return { out: run.stdout, summary: run.stderr.toString().trim().split('\n').pop().replace(/^korvane-calc: /, '') };
}

// What the page offers for download, as bytes.
async function downloaded() {
  await page.waitForSelector('#download:not([hidden])');
  const bytes = await page.$eval('#download', async (a) => [...new Uint8Array(await (await fetch(a.href)).arrayBuffer())]);
  return Buffer.from(bytes);
}

const drop = (name, content = fs.readFileSync(cellar(name))) => dropFile(page, name, content);

async function chooseColumn(column, header) {
  const before = await textOf(page, 'batch-summary');
  await page.select(`#column-${column}`, header);
  await page.waitForFunction((t) => document.getElementById('batch-summary').textContent !== t, {}, before);
}

// The form as a fresh page shows it, as korvane-calc options.
const FORM = ['--form', 'potassium', '--method', 'powder', '--solution-pct', '10', '--tablet-g', '0.44'];

describe('a cellar file', () => {
  it('a French spreadsheet, dropped, its columns found by their French names', async () => {
    // The form on molecular SO2 0.8: the file's own target column, which says
    // its kind ("visé", free SO2), is what counts.
    await page.select('#target_kind', 'molecular');
    await page.evaluate(() => { document.getElementById('target_molecular').value = '0.8'; });
    await drop('cuves_fr.csv');
    await page.waitForFunction(() => document.getElementById('download').download.startsWith('cuves_fr'));
    const expected = calc(cellar('cuves_fr.csv'), FORM);
    assert.equal((await downloaded()).toString('hex'), expected.out.toString('hex'));
    assert.equal(await textOf(page, 'batch-summary'), expected.summary);
    assert.equal(await page.$eval('#download', (a) => a.download), 'cuves_fr-doses.csv');
    assert.equal(await page.$eval('#column-free_so2', (s) => s.options[s.selectedIndex].text), 'SO2 libre (mg/L)');
    const rows = await page.$$eval('#batch-table tbody tr', (trs) => trs.map((tr) =>
      [...tr.cells].map((td) => td.textContent)));
    assert.deepEqual(rows[0], ['2', 'T1 Syrah', '89,62 g', 'ok', '']);
    assert.deepEqual(rows[4], ['6', 'T4 Rosé', '', 'error',
      'batch_size "1.100" could be 1100 or 1.100: say which decimal mark the file uses.']);
    // A column chosen for a header that names another stops the batch, with
    // korvane-calc's own message.
    await chooseColumn('target', 'SO2 libre (mg/L)');
    assert.equal(await textOf(page, 'batch-summary'),
      'cuves_fr.csv has a column "SO2 libre (mg/L)" that names both free_so2 and target.');
    await chooseColumn('target', '');
    // The unit came with the size: "Volume (hL)".
    assert.equal(await page.$eval('#column-unit', (s) => s.options[0].text), 'Volume (hL)');
    await page.screenshot({ path: screenshotPath('cellar-1280x800.png'), fullPage: true });
    await page.select('#target_kind', 'free');
  });

  it('"Unicode text" from a spreadsheet, chosen, its unit in a header', async () => {
    const input = await page.$('#file');
    await input.uploadFile(cellar('tanks_unicode.txt'));
    await page.waitForFunction(() => document.getElementById('download').download.startsWith('tanks_unicode'));
    // Its own columns give the method, the tablet weight and the target kind.
    const expected = calc(cellar('tanks_unicode.txt'), ['--form', 'potassium', '--solution-pct', '10']);
    assert.equal((await downloaded()).toString('hex'), expected.out.toString('hex'));
    assert.equal(await textOf(page, 'batch-summary'), expected.summary);
  });

  it('an Excel CSV with thousands separators, read with the decimal mark the user names', async () => {
    await page.select('#decimal-mark', 'point');
    await drop('tanks_excel.csv');
    await page.waitForFunction(() => document.getElementById('download').download.startsWith('tanks_excel'));
    const expected = calc(cellar('tanks_excel.csv'), [...FORM, '--decimal-point']);
    assert.equal((await downloaded()).toString('hex'), expected.out.toString('hex'));
    assert.equal(await textOf(page, 'batch-summary'), expected.summary);
    await page.select('#decimal-mark', '');
  });

  it('a file that names no unit and no target takes the form\'s', async () => {
    const file = path.join(fs.mkdtempSync('/tmp/korvane-cellar-'), 'cuves.csv');
    fs.writeFileSync(file, 'Cuve;pH;fso2;Volume\nT1;3,5;10;22,5\nT2;3,4;30;8\n');
    await page.select('#unit', 'hl');
    await page.evaluate(() => { document.getElementById('target_free').value = '35'; });
    await drop('cuves.csv', fs.readFileSync(file));
    await page.waitForFunction(() => document.getElementById('download').download === 'cuves-doses.csv');
    for (const column of ['unit', 'target']) {
      assert.match(await page.$eval(`#column-${column}`, (s) => s.options[0].text), /the form/);
    }
    const expected = calc(file, [...FORM, '--unit', 'hl', '--target-free', '35']);
    assert.equal((await downloaded()).toString('hex'), expected.out.toString('hex'));
    assert.equal(await textOf(page, 'batch-summary'), expected.summary);
    assert.equal(await textOf(page, 'batch-note'), 'Every row takes the form\'s unit: Hectolitres.');
    // A figure the rows take from the form, typed, runs the file again: what
    // is offered for download is never the old tablets' doses.
    await page.click('#tablet');
    await page.waitForFunction(() => document.querySelector('#batch-table tbody td.figure').textContent.includes('tablets'));
    await typeInto(page, 'tablet_g', '0.5');
    const tablets = calc(file, [...FORM.slice(0, 2), '--method', 'tablet', '--tablet-g', '0.5', '--unit', 'hl',
      '--target-free', '35']);
    fs.rmSync(path.dirname(file), { recursive: true });
    await page.waitForFunction(() => !document.getElementById('download').hidden);
    assert.equal((await downloaded()).toString('hex'), tablets.out.toString('hex'));
    await page.click('#powder');
    await typeInto(page, 'tablet_g', '0.44');
  });

  it('offers nothing to download before a file has a result', async () => {
    // A fresh page in this browser: nothing dropped yet.
    const fresh = await page.browser().newPage();
    await fresh.goto(page.url());
    await fresh.waitForSelector('body[data-ready]');
    assert.equal(await shown(fresh, 'download'), false);
    await fresh.close();
  });

  // A file that cannot be read right stops the batch: the page says why and
  // offers nothing to download, as korvane-calc writes nothing for it.
  const STOPPING = [
    ['open_quote.csv', Buffer.from('tank,ph,free_so2,batch_size\nT1,3.5,10,100\n"T2,3.5,10,100\nT3,3.4,8,50\n'),
      /^Line 3 opens a quote that never closes: the 1 line after it would be read as one field\. Close the quote, then run the batch again\.$/],
    ['mixed_marks.csv', Buffer.from('tank;ph;free_so2;batch_size\nT1;3,5;10;100\nT2;3.4;8;50\n'),
      /^Line 3 writes ph "3\.4" with the point as its decimal mark, but line 2 writes ph "3,5" with the comma: the file mixes decimal marks\. Correct it, then run the batch again\.$/],
    // Past the start that decides the encoding, a byte that is not UTF-8.
    ['not_utf8.csv', Buffer.concat([Buffer.from(`tank,ph,free_so2,batch_size\nCuvée,3.5,10,100\n${'T1,3.5,10,100\n'.repeat(5000)}T`),
      Buffer.from([0xe9]), Buffer.from(',3.4,8,50\n')]),
      /^Line 5003 holds a byte that is not UTF-8, though the file begins as UTF-8: save it as UTF-8/],
  ];
  for (const [name, content, said] of STOPPING) {
    it(`a file that stops the batch (${name}) is said, and nothing is offered to download`, async () => {
      await page.select('#unit', 'litres');
      await drop(name, content);
      await page.waitForFunction((n) => document.getElementById('batch-summary').textContent.includes('Line'), {}, name);
      assert.match(await textOf(page, 'batch-summary'), said);
      assert.equal(await shown(page, 'download'), false);
      const run = spawnSync(CALC, ['--batch', '-', '--format', 'csv', '--unit', 'litres', '--target-free', '40'],
        { input: content });
      assert.notEqual(run.status, 0, name);
    });
  }
});
