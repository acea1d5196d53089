// What the register reads from its records, without a browser: the amounts
// of a work order as they are measured out, a tank's total SO2, and the
// cellar file it exports.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { cellarCsv, cellarRow, parseCsv, practicalAmount, standing, tankState } from '../../web/register/records.js';

it('gives amounts in the units they are measured out in', () => {
  const rows = [
    { figures: { amount: '1194.93', amount_unit: 'g', teaspoons: '192.7', so2_added: '23' },
      want: { value: 1.19493, unit: 'kg', so2: 23, teaspoons: undefined } },
    { figures: { amount: '1000', amount_unit: 'g', teaspoons: '161', so2_added: '20' },
      want: { value: 1000, unit: 'g', so2: 20, teaspoons: null } },
    { figures: { amount: '0.69', amount_unit: 'g', teaspoons: '0.11', so2_added: '20' },
      want: { value: 0.69, unit: 'g', so2: 20, teaspoons: 0.11 } },
    { figures: { amount: '1500', amount_unit: 'ml', teaspoons: '300', so2_added: '30' },
      want: { value: 1.5, unit: 'L', so2: 30, teaspoons: undefined } },
    { figures: { amount: '12.2', amount_unit: 'tablets', teaspoons: '', so2_added: '20' },
      want: { value: 13, unit: 'tablets', so2: (20 * 13) / 12.2, teaspoons: undefined } },
    { figures: { amount: '12', amount_unit: 'tablets', teaspoons: '', so2_added: '20' },
      want: { value: 12, unit: 'tablets', so2: 20, teaspoons: undefined } },
  ];
  for (const { figures, want } of rows) {
    const got = practicalAmount(figures);
    assert.deepEqual({ value: got.value, unit: got.unit, so2: got.so2, teaspoons: got.teaspoons }, want,
      JSON.stringify(figures));
  }
});

it('counts a tank\'s additions since its latest analysis, a plan done twice twice', () => {
  const analysis = (id, at, total) => ({ _id: id, type: 'analysis', at, total_so2: total });
  const plan = (id, at, so2) => ({ _id: id, type: 'plan', at, so2_added: so2 });
  const done = (id, of, more = {}) => ({ _id: id, type: 'done', plan: of, at: '9', ...more });
  const rows = [
    { records: [], total: null, doubled: 0 },
    { records: [analysis('a1', '1', '100'), plan('p1', '2', '20')], total: 120, doubled: 0 },
    // An addition before the latest analysis is in its measured total.
    { records: [plan('p0', '0', '20'), analysis('a1', '1', '100')], total: 100, doubled: 0 },
    { records: [analysis('a1', '1', '100'), plan('p1', '2', '20'), done('d1', 'p1'), done('d2', 'p1')],
      total: 140, doubled: 1 },
    { records: [analysis('a1', '1', '100'), plan('p1', '2', '20'), done('d1', 'p1'), done('d2', 'p1'),
      done('d3', 'p1', { replaces: 'd2', withdrawn: true })], total: 120, doubled: 0 },
    // A corrected analysis: the correction's total, not the first one's.
    { records: [analysis('a1', '1', '100'), { ...analysis('a2', '1', '90'), replaces: 'a1' }], total: 90, doubled: 0 },
    { records: [analysis('a1', '1', ''), plan('p1', '2', '20')], total: null, doubled: 0 },
    // A plan withdrawn counts no more, unless it was done meanwhile.
    { records: [analysis('a1', '1', '100'), plan('p1', '2', '20'), { ...plan('w1', '3'), replaces: 'p1', withdrawn: true }],
      total: 100, doubled: 0 },
    { records: [analysis('a1', '1', '100'), plan('p1', '2', '20'), { ...plan('w1', '3'), replaces: 'p1', withdrawn: true },
      done('d1', 'p1')], total: 120, doubled: 0, made: 1 },
    // A plan on an analysis corrected since (on another device) is stale,
    // not to be made, until it is done or withdrawn.
    { records: [analysis('a1', '1', '100'), { ...plan('p1', '2', '20'), analysis: 'a1' },
      { ...analysis('a2', '1', '90'), replaces: 'a1' }], total: 90, doubled: 0, stale: 1 },
    // A later analysis without a total: the last measured one, with every
    // addition since it.
    { records: [analysis('a1', '1', '100'), plan('p1', '2', '20'), analysis('a2', '3', ''), plan('p2', '4', '5')],
      total: 125, doubled: 0 },
  ];
  for (const { records, total, doubled, made = 0, stale = 0 } of rows) {
    const state = tankState(records);
    assert.deepEqual([state.total, state.doubled.length, state.madeWithdrawn.length, state.stale.length],
      [total, doubled, made, stale], JSON.stringify(records));
  }
  assert.deepEqual(standing([{ _id: 'a' }, { _id: 'b', replaces: 'a' }]).map((r) => r._id), ['b']);
});

it('exports a cellar file korvane-calc reads, without the wine columns no tank fills', () => {
  const tank = { name: 'T1, "Syrah"', volume: '22.5', unit: 'hl', form: 'potassium', method: 'powder',
    solution_pct: '10', tablet_g: '0.44', target_kind: 'free', target: '35', colour: 'red' };
  const csv = cellarCsv([cellarRow(tank, { ph: '3.62', free_so2: '12', total_so2: '' })]);
  const [head, row] = parseCsv(csv);
  assert.deepEqual(head, ['tank', 'ph', 'free_so2', 'batch_size', 'unit', 'form', 'method', 'solution_pct',
    'tablet_g', 'target_kind', 'target', 'colour']);
  assert.deepEqual(row, ['T1, "Syrah"', '3.62', '12', '22.5', 'hl', 'potassium', 'powder', '10', '0.44',
    'free', '35', 'red']);
});
