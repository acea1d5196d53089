// 10,000 random tanks through the page's own calculation, and the same tanks
// through `korvane-calc --batch`: the same status, message and every figure.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, it } from 'node:test';
import { CALC, openPage, withSiteAndBrowser } from './harness.mjs';
// The register's reader of the CSV the batch writes.
import { parseCsv } from '../../web/register/records.js';

const TANKS = 10000;
const FIGURES = ['molecular_so2', 'target_free_so2', 'target_molecular_so2', 'so2_requirement',
  'molecular_so2_requirement', 'amount', 'amount_unit', 'teaspoons'];

// A small generator with a seed, so a failure can be run again.
function random(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

function tanks(seed) {
  const r = random(seed);
  const pick = (list) => list[Math.floor(r() * list.length)];
  const number = (low, high, decimals) => (low + r() * (high - low)).toFixed(decimals);
  // Now and then a value a person or a spreadsheet gets wrong, or one that
  // only an exact reader rounds the same way on both sides.
  const odd = ['', '0', '-5', 'abc', '1e30', '99', ' 3.5', '.', '1e-30', '3.4999999999999999999999999',
    '+.44e1', '1e', '-0', '3.5e+0', '35E-1', 'inf', '0x1p2', '3.40282357e38', '1e-46', '4.', '+-1', '2.5 ',
    // Just beyond the point halfway between zero and the smallest float: a
    // double rounded again to a float lands on it, and reads as zero.
    '7.00649232162408535461864791644958065640130970938257885878534141944895541342930301e-46'];
  const or = (text) => (r() < 0.04 ? pick(odd) : text);
  return Array.from({ length: TANKS }, () => {
    const kind = pick(['free', 'molecular']);
    return {
      ph: or(number(1.5, 5.5, pick([1, 2]))), free_so2: or(number(0, 60, pick([0, 1, 2]))),
      batch_size: or(number(1, 50000, pick([0, 1]))),
      unit: r() < 0.01 ? 'gal' : pick(['us-gal', 'imp-gal', 'litres', 'hl', 'L']),
      form: pick(['potassium', 'sodium']), method: r() < 0.01 ? 'powdr' : pick(['powder', 'solution', 'tablet']),
      solution_pct: or(number(1, 60, 0)), tablet_g: or(number(0.1, 1.5, 2)), target_kind: kind,
      target: or(kind === 'free' ? number(5, 130, pick([0, 1])) : number(0.1, 2.5, 2)),
    };
  });
}

const env = withSiteAndBrowser({ before, after });

it('10,000 random tanks give the same texts in the page as from korvane-calc', async () => {
  const seed = Number(process.env.KORVANE_SEED ?? 20261207);
  const all = tanks(seed);
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'korvane-tanks-'));
  const file = path.join(dir, 'tanks.csv');
  // The same names head the file's columns and name the page's texts.
  const columns = Object.keys(all[0]);
  fs.writeFileSync(file, [columns, ...all.map((t) => columns.map((c) => t[c]))]
    .map((row) => row.join(',')).join('\n') + '\n');
  const run = spawnSync(CALC, ['--batch', file, '--format', 'csv', '--quiet'], { maxBuffer: 1 << 26 });
  fs.rmSync(dir, { recursive: true });
  assert.ok(run.status === 0 || run.status === 1, String(run.stderr));
  const [header, ...rows] = parseCsv(run.stdout.toString('utf8'));
  assert.equal(rows.length, TANKS);

  const page = await openPage(env.browser, env.site.url, { language: 'en' });
  const answers = await page.evaluate((list) => list.map((texts) => window.korvane.calculate(texts, false)), all);
  const at = (name) => header.indexOf(name);
  const statuses = {};
  for (let i = 0; i < TANKS; i++) {
    const calc = rows[i];
    const shown = answers[i];
    const where = `tank ${i + 1} (seed ${seed}): ${Object.values(all[i]).join(',')}`;
    assert.equal(shown.status, calc[at('status')], where);
    assert.equal(shown.message, calc[at('message')], where);
    for (const figure of FIGURES) assert.equal(shown.figures?.[figure] ?? '', calc[at(figure)], `${where}: ${figure}`);
    statuses[shown.status] = (statuses[shown.status] ?? 0) + 1;
  }
  // Every kind of answer was met, not only the easy one.
  for (const status of ['ok', 'no_addition', 'error', 'question']) assert.ok(statuses[status] > 50, status);
  assert.deepEqual(page.errors, []);
});
