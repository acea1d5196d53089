// The sheet in the page, as a winemaker uses it: the worked examples to the
// last digit, a failed check with its focus, the questions answered No and
// Yes, the arrows, and the defaults kept in the browser.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { fillSheet, focused, NOT_CALCULATED, results, textOf, typeInto, valueOf, withEnglishPage }
  from './harness.mjs';

let page;
withEnglishPage({ before, after }, (opened) => { page = opened; });

const calculate = () => page.click('#calculate');

// The four worked examples: what the window shows for them.
const EXAMPLES = [
  ['A', { ph: '3.5', free_so2: '0', batch_size: '23', unit: 'litres', form: 'potassium',
    target_kind: 'molecular', target_molecular: '0.8', method: 'tablet', tablet_g: '0.44' },
  { existing_molecular: '0.00', target_free: '40.89', target_molecular: '0.8', so2_requirement: '40.89',
    molecular_so2_requirement: '0.80', amount: '3.70', amount_unit: 'tablets', teaspoons_shown: false }],
  ['B', { ph: '3.5', free_so2: '10', batch_size: '23', unit: 'litres', form: 'potassium',
    target_kind: 'free', target_free: '40', method: 'powder' },
  { existing_molecular: '0.20', target_free: '40', target_molecular: '0.78', so2_requirement: '30.00',
    molecular_so2_requirement: '0.59', amount: '1.19', amount_unit: 'g', teaspoons: '0.19',
    teaspoons_shown: true }],
  ['C', { ph: '3.2', free_so2: '12', batch_size: '5', unit: 'us-gal', form: 'sodium',
    target_kind: 'free', target_free: '35', method: 'solution', solution_pct: '10' },
  { existing_molecular: '0.46', target_free: '35', target_molecular: '1.34', so2_requirement: '23.00',
    molecular_so2_requirement: '0.88', amount: '6.45', amount_unit: 'ml', teaspoons: '1.31',
    teaspoons_shown: true }],
  ['D', { ph: '3.4', free_so2: '15', batch_size: '5', unit: 'imp-gal', form: 'potassium',
    target_kind: 'molecular', target_molecular: '0.5', method: 'solution', solution_pct: '10' },
  { existing_molecular: '0.37', target_free: '20.41', target_molecular: '0.5', so2_requirement: '5.41',
    molecular_so2_requirement: '0.13', amount: '2.13', amount_unit: 'ml', teaspoons: '0.43',
    teaspoons_shown: true }],
];

describe('the worked examples', () => {
  for (const [name, sheet, expected] of EXAMPLES) {
    it(`example ${name}`, async () => {
      await fillSheet(page, sheet);
      await calculate();
      const shown = await results(page);
      for (const [id, value] of Object.entries(expected)) assert.equal(shown[id], value, `${name}: ${id}`);
      assert.equal(await textOf(page, 'status'), '');
    });
  }
});

describe('checks and questions', () => {
  it('a failed check shows its message beside its field and moves the focus there', async () => {
    // The checks go in the window's order: the strength before the pH.
    await fillSheet(page, { ...EXAMPLES[2][1], ph: '', solution_pct: '0' });
    await calculate();
    assert.equal(await textOf(page, 'solution_pct-message'), 'Solution percentage must be greater than 0.');
    assert.equal(await textOf(page, 'ph-message'), '');
    assert.equal(await focused(page), 'solution_pct');
    assert.equal(await page.$eval('#solution_pct', (el) => el.getAttribute('aria-invalid')), 'true');
    await typeInto(page, 'solution_pct', '10');
    await calculate();
    assert.equal(await textOf(page, 'ph-message'), 'Please enter pH.');
    assert.equal(await textOf(page, 'solution_pct-message'), '');
    assert.equal(await focused(page), 'ph');
  });

  const questioned = { ...EXAMPLES[0][1], tablet_g: '2', ph: '1.9' };
  const TABLET_QUESTION = 'Tablet weight appears high. Are you sure it is correct?';
  const PH_QUESTION = 'pH appears low. Are you sure it is correct?';
  const question = (text) => page.waitForFunction((t) => document.querySelector('#question[open]')
    && document.getElementById('question-text').textContent === t, {}, text);
  const figure = () => textOf(page, 'question-figure');

  it('asks every question in order in the page; a No clears the amounts and focuses its field', async () => {
    await fillSheet(page, EXAMPLES[0][1]);
    await calculate();
    assert.equal(await valueOf(page, 'amount'), '3.70');
    await fillSheet(page, questioned);
    await calculate();
    await question(TABLET_QUESTION);
    // No has the focus, so that Enter never says Yes to a question unread,
    // and the question names the figure it is about.
    assert.equal(await focused(page), 'question-no');
    assert.equal(await figure(), 'Tablet weight 2 g');
    await page.click('#question-yes');
    await question(PH_QUESTION);
    assert.equal(await figure(), 'pH 1.9');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.activeElement.id === 'ph');
    assert.equal(await page.$('#question[open]'), null);
    assert.equal(await valueOf(page, 'amount'), NOT_CALCULATED);
  });

  it('Yes to every question calculates', async () => {
    await calculate();
    for (const text of [TABLET_QUESTION, PH_QUESTION]) {
      await question(text);
      await page.click('#question-yes');
    }
    await page.waitForFunction((n) => document.getElementById('amount').value !== n, {}, NOT_CALCULATED);
    const shown = await results(page);
    // As korvane-calc --ph 1.9 ... --tablet-g 2 --target-molecular 0.8 --yes
    assert.equal(shown.target_free, '1.81');
    assert.equal(shown.amount, '0.04');
  });

  it('a wine at its target needs no addition', async () => {
    await fillSheet(page, { ...EXAMPLES[1][1], free_so2: '45' });
    await calculate();
    assert.equal(await textOf(page, 'status'), 'No addition needed: the wine is at or above its target.');
    assert.equal(await valueOf(page, 'amount'), '0.00');
  });

  it('a target questioned is named with the level the calculation reaches', async () => {
    for (const [sheet, first, second] of [
      [{ target_kind: 'free', target_free: '401.75' }, 'Free SO2 target 401.75 mg/L', /^Molecular SO2 target 7\.\d\d mg\/L$/],
      [{ target_kind: 'molecular', target_molecular: '8' }, /^Free SO2 target \d{3}\.\d\d mg\/L$/, /^Molecular SO2 target 8(\.0+)? mg\/L$/]]) {
      await fillSheet(page, { ...EXAMPLES[1][1], ...sheet });
      await calculate();
      const asked = [];
      for (;;) {
        await page.waitForSelector('#question[open]');
        asked.push(await figure());
        await page.click('#question-yes');
        // The next question, or the figures once all are answered.
        await page.waitForFunction((prev, none) => (document.querySelector('#question[open]')
          && document.getElementById('question-figure').textContent !== prev)
          || document.getElementById('amount').value !== none, {}, asked.at(-1), NOT_CALCULATED);
        if (!(await page.$('#question[open]'))) break;
      }
      assert.ok(typeof first === 'string' ? asked.includes(first) : asked.some((a) => first.test(a)), asked.join('|'));
      assert.ok(asked.some((a) => second.test(a)), asked.join('|'));
    }
  });
});

const choose = (kind) => page.select('#target_kind', kind);

describe('numbers', () => {
  it('the arrows and the arrow keys step as the window does, within the limits', async () => {
    await typeInto(page, 'ph', '13.95');
    await page.click('#ph + .stepper button:last-child');
    assert.equal(await valueOf(page, 'ph'), '14.0');
    await typeInto(page, 'ph', '3.5');
    await page.keyboard.press('ArrowUp');
    assert.equal(await valueOf(page, 'ph'), '3.6');
    await typeInto(page, 'batch_size', '1');
    await page.click('#batch_size + .stepper button:first-child');
    assert.equal(await valueOf(page, 'batch_size'), '0');
  });

  it('leaving the existing SO2 shows its molecular SO2 when the target is molecular', async () => {
    await fillSheet(page, { target_kind: 'free', ph: '3.5', free_so2: '10' });
    await page.keyboard.press('Tab');
    const before = await valueOf(page, 'existing_molecular');
    await fillSheet(page, { target_kind: 'molecular', free_so2: '20' });
    assert.equal(await valueOf(page, 'existing_molecular'), before);
    await page.keyboard.press('Tab');
    assert.equal(await valueOf(page, 'existing_molecular'), '0.39');
  });

  // Every figure of the last calculation, the computed target among them,
  // reads "not calculated" after any change, never "0.00" ("add nothing").
  const CHANGES = [
    ['typing in the pH', () => page.type('#ph', '1')],
    ['an arrow of the free SO2', () => page.click('#free_so2 + .stepper button:last-child')],
    ['another unit', () => page.select('#unit', 'hl')],
    ['another form', () => page.select('#form', 'sodium')],
    ['another method', () => page.click('#solution')],
  ];
  for (const [change, make] of CHANGES) {
    it(`${change} clears every figure to "not calculated"`, async () => {
      await fillSheet(page, { ...EXAMPLES[1][1], method: 'powder' });
      await calculate();
      assert.equal(await valueOf(page, 'amount'), '1.19');
      await make();
      const figures = await results(page);
      for (const id of ['existing_molecular', 'target_molecular', 'so2_requirement',
        'molecular_so2_requirement', 'amount', 'teaspoons']) {
        assert.equal(figures[id], NOT_CALCULATED, `${id} after ${change}`);
      }
      assert.equal(await page.$eval('#amount', (o) => o.title), 'Not calculated');
    });
  }

  it('a target computed and then typed in again gets back its own figure', async () => {
    await fillSheet(page, { ...EXAMPLES[1][1], target_kind: 'molecular', target_molecular: '0.6' });
    await fillSheet(page, { target_kind: 'free', target_free: '40' });
    await calculate();
    await choose('molecular');
    assert.equal(await valueOf(page, 'target_molecular'), '0.6');
    assert.equal(await valueOf(page, 'target_free'), NOT_CALCULATED);
  });

  it('only digits and the point are typed; in English a comma is kept, never joining the digits around it', async () => {
    await typeInto(page, 'free_so2', '1a2,5.5 ');
    assert.equal(await valueOf(page, 'free_so2'), '12,5.5');
    // "22,5" hL is never 225 hL: Calculate refuses it and says how to write it.
    await fillSheet(page, { ...EXAMPLES[1][1], method: 'powder', batch_size: '22,5', unit: 'hl' });
    assert.equal(await valueOf(page, 'batch_size'), '22,5');
    await calculate();
    assert.equal(await textOf(page, 'batch_size-message'),
      'Batch size must be numeric: "22,5".\nWrite a decimal with a point, as in 22.5.');
    assert.equal(await focused(page), 'batch_size');
    assert.equal(await valueOf(page, 'amount'), NOT_CALCULATED);
    await typeInto(page, 'batch_size', '22.5');
    await calculate();
    assert.equal(await valueOf(page, 'amount'), '116.89');
  });
});

describe('defaults', () => {
  it('are checked as the Default Settings dialog checks them', async () => {
    await fillSheet(page, { method: 'tablet', tablet_g: '0' });
    await page.click('#save-defaults');
    assert.equal(await textOf(page, 'tablet_g-message'), 'Tablet weight must be greater than 0.');
    assert.equal(await focused(page), 'tablet_g');
  });

  it('are saved in the browser, restored to the system defaults, and read on the next visit', async () => {
    await fillSheet(page, { method: 'tablet', tablet_g: '0.5' });
    await fillSheet(page, { form: 'sodium', method: 'solution', solution_pct: '8',
      batch_size: '2250', unit: 'hl', target_kind: 'molecular' });
    await page.click('#save-defaults');
    assert.equal(await textOf(page, 'defaults-status'), 'Saved as your defaults.');
    const record = await page.evaluate(() => localStorage.getItem('korvane.settings.cfg'));
    assert.equal(record, '"2"\r\n"2"\r\n"4"\r\n"8"\r\n"0.5"\r\n"2250"\r\n"Molecular SO2"\r\n');
    await page.click('#restore-defaults');
    const shown = () => page.evaluate(() => ['form', 'unit', 'target_kind', 'solution_pct',
      'tablet_g', 'batch_size'].map((id) => document.getElementById(id).value)
      .concat(document.querySelector('input[name=method]:checked').id));
    assert.deepEqual(await shown(), ['potassium', 'us-gal', 'free', '10', '0.44', '5', 'powder']);
    await page.reload();
    await page.waitForSelector('body[data-ready]');
    assert.deepEqual(await shown(), ['sodium', 'hl', 'molecular', '8', '0.5', '2250', 'solution']);
  });

  it('a broken record says so and gives the system defaults', async () => {
    await page.evaluate(() => localStorage.setItem('korvane.settings.cfg', '"1"\r\n"2'));
    await page.reload();
    await page.waitForSelector('body[data-ready]');
    assert.equal(await textOf(page, 'defaults-status'),
      'User default settings not found.\nLoading system defaults.');
    assert.equal(await valueOf(page, 'batch_size'), '5');
    await page.evaluate(() => localStorage.removeItem('korvane.settings.cfg'));
  });
});
