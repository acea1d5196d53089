// Every language of the page: chosen from the browser's languages or the
// switcher, its texts from the translators' files, a typed decimal comma,
// pictures of the page at a phone's and a desktop's size to look at, and
// the accessibility of what is drawn there.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, it } from 'node:test';
import { PredefinedNetworkConditions } from 'puppeteer-core';
import { layoutFaults } from './layout.mjs';
import { axeViolations, dropFile, fillSheet, focused, NOT_CALCULATED, openPage, screenshotPath, shown, speak,
  pasteInto, textOf, typeInto, valueOf, withSiteAndBrowser } from './harness.mjs';

const ROOT = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
// English, and a language for each of the translators' files.
const TRANSLATED = fs.readdirSync(path.join(ROOT, 'translations'))
  .map((name) => /^korvane_(\w+)\.ts$/.exec(name)?.[1]).filter(Boolean).sort();
const LANGUAGES = ['en', ...TRANSLATED];
// The translators' finished texts, read as the build reads them.
const TS = JSON.parse(execFileSync('python3', [path.join(ROOT, 'tools/ts_texts.py'),
  ...TRANSLATED.map((l) => path.join(ROOT, `translations/korvane_${l}.ts`))]));
const text = (language, context, english) =>
  (language === 'en' ? english : TS[language][context][english]).trim();
// A translated template with its %1, %2... filled.
const filled = (language, english, ...values) =>
  text(language, 'Web', english).replace(/%(\d)/g, (_, n) => values[n - 1]);
// The refusal of a 101 MB file named huge.csv, as a language says it.
const refusedIn = (language) => filled(language, '%1 is %2 MB, and the page takes files up to %3 MB: run '
  + 'korvane-calc --batch on it.', 'huge.csv', 101, 100);

// A file whose first row reads two ways and has a target column with no kind.
const CELLAR = 'tank,ph,free_so2,batch_size,unit,target\nT1,3,10,1.100,litres,40\nT2,3.5,10,100,litres,40\n';
// The same with the wine's total SO2, one tank over its limit.
const WINE_CELLAR = 'tank,ph,free_so2,batch_size,unit,target,total_so2\nT1,3,10,1.100,litres,40,\n'
  + 'T2,3.5,10,100,litres,40,121\nT3 Grenache noir vieilles vignes,3.5,10,100,litres,40,90\n';

async function drop(page, name, content) {
  await dropFile(page, name, content);
  await page.waitForFunction(() => document.getElementById('batch-summary').textContent !== '');
}

const env = withSiteAndBrowser({ before, after });

async function withLanguages(languages) {
  const page = await env.browser.newPage();
  await page.evaluateOnNewDocument((list) => {
    Object.defineProperty(navigator, 'languages', { get: () => list });
  }, languages);
  await page.goto(env.site.url);
  await page.waitForSelector('body[data-ready]');
  return page;
}

describe('choosing the language', () => {
  it('offers English and each language of the translators\' files, each by its own name', async () => {
    const page = await withLanguages(['en']);
    const offered = await page.$$eval('#language option', (all) => all.map((o) => [o.value, o.lang, o.text]));
    assert.deepEqual(offered.map(([value]) => value), LANGUAGES);
    for (const [value, lang, name] of offered) {
      assert.equal(lang, value);
      assert.match(name, /^\p{Lu}\p{L}+$/u, value);
    }
    assert.deepEqual(offered.find(([value]) => value === 'fr'), ['fr', 'fr', 'Français']);
    await page.close();
  });

  it('takes the first of the browser\'s languages the page speaks, and remembers a choice', async () => {
    for (const [languages, chosen] of [[['de-AT', 'en'], 'de'], [['nl-NL', 'pt-BR'], 'pt'],
      [['ja'], 'en']]) {
      const page = await withLanguages(languages);
      assert.equal(await page.$eval('html', (h) => h.lang), chosen, languages.join());
      if (chosen === 'en') {
        // (A message shown said again in the new language: 'a message about a value'.)
        await speak(page, 'it');
        assert.equal(await textOf(page, 'calculate'), text('it', 'frmSulfite', 'Calculate'));
        await page.reload();
        await page.waitForSelector('body[data-ready]');
        assert.equal(await page.$eval('html', (h) => h.lang), 'it');
        await page.evaluate(() => localStorage.clear());
      }
      await page.close();
    }
  });

  it('speaks its language over a slow network, where its texts arrive after the page\'s script', async () => {
    // The core's messages and a file's texts come last: Calculate pressed and
    // a file dropped the moment the form is usable wait for them, and so does
    // a stored record the core refuses.
    for (const [language, broken] of [['en', false], ['pt', false], ['fr', true]]) {
      const page = await env.browser.newPage();
      const errors = [];
      page.on('pageerror', (error) => errors.push(error.message));
      await page.setBypassServiceWorker(true);
      await page.emulateNetworkConditions(PredefinedNetworkConditions['Fast 3G']);
      await page.evaluateOnNewDocument((l, brokenDefaults) => {
        localStorage.setItem('korvane.language', l);
        if (brokenDefaults) localStorage.setItem('korvane.settings.cfg', '"1"');
        else new MutationObserver(() => { // the page marked itself ready
          const transfer = new DataTransfer();
          transfer.items.add(new File(Array(101).fill(new Uint8Array(1_000_000)), 'huge.csv'));
          document.getElementById('drop').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true }));
          document.getElementById('ph').value = '';
          document.getElementById('calculate').click();
        }).observe(document, { subtree: true, attributeFilter: ['data-ready'] });
      }, language, broken);
      const going = page.goto(env.site.url);
      // Calculate, shown before the page is ready, does nothing until it is.
      if (!broken) {
        await page.waitForSelector('#calculate');
        assert.equal(await page.$('body[data-ready]'), null);
        assert.equal(await page.$eval('main', (el) => getComputedStyle(el).visibility), 'hidden');
        await page.click('#calculate');
      }
      await going;
      await page.waitForSelector('body[data-ready]');
      assert.equal(page.url(), env.site.url);
      assert.equal(await textOf(page, 'calculate'), text(language, 'frmSulfite', 'Calculate'));
      const [place, english] = broken ? ['defaults-status', 'User default settings not found.\rLoading system defaults.']
        : ['ph-message', 'Please enter pH.'];
      await page.waitForFunction((id) => document.getElementById(id).textContent, {}, place);
      assert.equal(await textOf(page, place), text(language, 'korvane', english).replace(/\r/g, '\n'));
      if (!broken) {
        assert.equal(await textOf(page, 'batch-summary'), refusedIn(language));
        assert.equal(await textOf(page, 'head-status'), text(language, 'Web', 'Status'));
      }
      assert.deepEqual(errors, []);
      await page.close();
    }
  });
});

describe('a message about a value', () => {
  it('is said in the language with its value, and again in another; the amount no cellar could add is refused after Yes', async () => {
    const page = await openPage(env.browser, env.site.url, { language: 'de' });
    await fillSheet(page, { ph: '3.5', free_so2: '10', batch_size: '9999999999', unit: 'us-gal',
      form: 'potassium', target_kind: 'free', target_free: '40', method: 'powder' });
    await page.click('#calculate');
    await page.waitForSelector('#question[open]');
    assert.equal(await textOf(page, 'question-text'),
      text('de', 'korvane', 'Batch size appears large. Are you sure it is correct?'));
    await page.click('#question-yes');
    await page.waitForFunction(() => document.getElementById('batch_size-message').textContent !== '');
    const english = 'The amount, %1 g, is more than any cellar could add: check the batch size and the target.';
    assert.equal(await textOf(page, 'batch_size-message'), text('de', 'korvane', english).replace('%1', '1.97e+9'));
    assert.equal(await focused(page), 'batch_size');
    assert.equal(await valueOf(page, 'amount'), NOT_CALCULATED);
    await speak(page, 'pt');
    assert.equal(await textOf(page, 'batch_size-message'), text('pt', 'korvane', english).replace('%1', '1.97e+9'));
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});

for (const language of LANGUAGES) {
  describe(`in ${language}`, () => {
    it('shows the window\'s, the core\'s and its own texts', async () => {
      const page = await openPage(env.browser, env.site.url, { language });
      const captions = [['calculate', 'frmSulfite', 'Calculate'], ['save-defaults', 'Web', 'Save as my defaults'],
        ['cellar-title', 'Web', 'A cellar file'], ['row-existing', 'frmSulfite', 'Existing SO2']];
      for (const [id, context, english] of captions) {
        assert.equal(await textOf(page, id), text(language, context, english), id);
      }
      assert.equal(await page.$eval('#form option', (o) => o.textContent),
        text(language, 'korvane', 'Potassium Metabisulphite'));
      await typeInto(page, 'ph', '');
      await page.click('#calculate');
      assert.equal(await textOf(page, 'ph-message'), text(language, 'korvane', 'Please enter pH.'));
      assert.deepEqual(page.errors, []);
      await page.close();
    });

    it('reads a typed comma, and says a file\'s results, its figures not calculated and its questions in its language', async () => {
      const page = await openPage(env.browser, env.site.url, { language });
      // A typed comma is the decimal point where the language writes one;
      // where the point is, the comma stays, never joining the digits.
      await typeInto(page, 'ph', '3,6');
      assert.equal(await valueOf(page, 'ph'), language === 'en' ? '3,6' : '3.6');
      // Where the comma is, a point typed (pasted, in German) in thousands'
      // place is asked about, never taken as a decimal point: 2.250 litres
      // are not 2.25.
      if (language !== 'en') {
        await (language === 'de' ? pasteInto : typeInto)(page, 'batch_size', '2.250');
        await page.click('#calculate');
        await page.waitForFunction(() => document.getElementById('batch_size-message').textContent !== '');
        assert.equal(await textOf(page, 'batch_size-message'), text(language, 'Web',
          '"%1" could be thousands or a decimal: write it without the point, or with a decimal comma.')
          .replace('%1', '2.250'));
      }
      // A figure not calculated since a change.
      await fillSheet(page, { ph: '3.5', free_so2: '10', batch_size: '23', unit: 'litres',
        target_kind: 'free', target_free: '40', method: 'tablet', tablet_g: '2' });
      // A question names its figure, with the focus on No.
      await page.click('#calculate');
      await page.waitForSelector('#question[open]');
      assert.equal(await textOf(page, 'question-figure'), `${text(language, 'frmSulfite', 'Tablet weight')} 2 g`);
      assert.equal(await textOf(page, 'question-text'),
        text(language, 'korvane', 'Tablet weight appears high. Are you sure it is correct?'));
      assert.equal(await focused(page), 'question-no');
      await page.keyboard.press('Enter');
      assert.equal(await page.$eval('#amount', (o) => o.title), text(language, 'Web', 'Not calculated'));
      await page.screenshot({ path: screenshotPath(`${language}-not-calculated-1280x800.png`) });

      await drop(page, 'kinds.csv', CELLAR);
      assert.equal(await textOf(page, 'batch-summary'), filled(language, '%1 has a target column but no ' +
        'target_kind column: add one, or choose the kind of the file\'s targets in the list below.', 'kinds.csv'));
      assert.equal(await shown(page, 'download'), false);
      assert.equal(await shown(page, 'file-target-kind'), true);
      assert.equal(await page.$eval('label[for=file-target-kind]', (l) => l.textContent),
        text(language, 'Web', 'Kind of the file\'s targets'));
      assert.equal(await page.$eval('label[for=column-free_so2]', (l) => l.textContent),
        `${text(language, 'Web', 'Free SO2')} (free_so2)`);
      await page.select('#file-target-kind', 'free');
      await page.waitForSelector('#download:not([hidden])');
      // The kind comes from what was named, not from the form.
      assert.equal(await page.$eval('#column-target_kind', (s) => s.options[0].text),
        await page.$eval('#file-target-kind', (s) => s.selectedOptions[0].text));
      await page.waitForSelector('#download:not([hidden])');
      const rows = await page.$$eval('#batch-table tbody tr', (trs) => trs.map((tr) =>
        [...tr.cells].slice(3).map((td) => td.textContent)));
      assert.deepEqual(rows, [
        [text(language, 'Web', 'error'), filled(language,
          '%1 "%2" could be %3 or %4: say which decimal mark the file uses.', 'batch_size', '1.100', '1100', '1.100')],
        // The form's tablet of 2 g is questioned for the file's tanks too.
        [text(language, 'Web', 'question'),
          text(language, 'korvane', 'Tablet weight appears high. Are you sure it is correct?')]]);
      assert.equal(await textOf(page, 'batch-summary'), language === 'en'
        ? '2 rows: 0 ok, 0 no addition, 1 question, 1 error, 0 blank. Not calculated: lines 2, 3.'
        : `${filled(language, 'Rows: %1. ok: %2, no addition: %3, questions: %4, errors: %5, blank: %6.',
          2, 0, 0, 1, 1, 0)} ${filled(language, 'Not calculated, by line: %1.', '2, 3')}`);
      // The download keeps the machine's words, for korvane-calc to read back.
      const csv = await page.$eval('#download', async (a) => (await fetch(a.href)).text());
      assert.match(csv, /^tank,ph,free_so2,batch_size,unit,target,/);
      assert.match(csv, /,error,/);
      assert.match(csv, /,question,/);

      // A file the page cannot hold is refused before it is read, its rows
      // gone, and the refusal is said again in a language switched to.
      const dropHuge = () => page.evaluate(() => {
        const transfer = new DataTransfer();
        transfer.items.add(new File(Array(101).fill(new Uint8Array(1_000_000)), 'huge.csv'));
        document.getElementById('drop').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true }));
      });
      await dropHuge();
      assert.equal(await textOf(page, 'batch-summary'), refusedIn(language));
      assert.equal(await shown(page, 'download'), false);
      assert.equal(await page.$$eval('#batch-table tbody tr', (rows) => rows.length), 0);
      await drop(page, 'quote.csv', 'tank,ph,free_so2,batch_size,unit,target_kind,target\nT1,3.5,10,100,litres,free,40\n"T2,3.5');
      assert.equal(await textOf(page, 'batch-summary'), filled(language,
        'Line %1 opens a quote that never closes. Close the quote, then run the batch again.', 3));
      assert.equal(await shown(page, 'download'), false);
      await dropHuge();
      const other = language === 'pt' ? 'it' : 'pt';
      await page.select('#language', other);
      await page.waitForFunction((said) => document.getElementById('batch-summary').textContent === said, {},
        refusedIn(other));
      assert.deepEqual(page.errors, []);
      await page.close();
    });

    for (const [width, height] of [[360, 740], [1280, 800]]) {
      it(`asks about a total over its limit and is drawn at ${width}×${height} with nothing cut off`, async () => {
        const page = await openPage(env.browser, env.site.url, { language, width, height });
        // What axe-core finds against WCAG 2.1 A and AA and its best practices,
        // in French: as the page opens, with a failed check, with a question
        // asked and with a cellar file's table.
        const found = [];
        const audit = async (state) => {
          if (language === 'fr') found.push(...await axeViolations(page, `${state} ${width}`));
        };
        await audit('opened');
        await typeInto(page, 'ph', '');
        await page.click('#calculate');
        await audit('failed check');
        await fillSheet(page, { ph: '3.5', free_so2: '10', batch_size: '23', unit: 'litres',
          target_kind: 'free', target_free: '40', method: 'powder' });
        // The wine's total over its legal limit is asked about in the
        // language, the core's own text; answered, the figures are marked.
        await typeInto(page, 'total_so2', '121');
        await typeInto(page, 'sugar', language === 'en' ? '2.5' : '2,5');
        for (const [id, word] of [['colour', 'red'], ['style', 'still'], ['regime', 'eu']]) {
          await page.select(`#${id}`, word);
        }
        await page.click('#calculate');
        await page.waitForSelector('#question[open]');
        const core = (english) => text(language, 'korvane', english);
        const wine = core('a dry %1').replace('%1', core('red'));
        assert.equal(await textOf(page, 'question-text'), core('Total SO2 would reach %1 mg/L, above '
          + 'the %2 mg/L %3 limit for %4. Are you sure it is correct?').replace('%1', '151')
          .replace('%2', '150').replace('%3', core('EU')).replace('%4', wine));
        assert.equal(await textOf(page, 'question-figure'),
          `${text(language, 'Web', 'Projected total SO2')} 151.00 mg/L`);
        assert.equal(await focused(page), 'question-no');
        assert.deepEqual(await layoutFaults(page, { touch: width < 480 }), [], 'the question');
        await audit('question');
        await page.screenshot({ path: screenshotPath(`${language}-over-limit-question-${width}x${height}.png`) });
        await page.click('#question-yes');
        await page.waitForFunction(() => document.getElementById('projected_total_so2').value === '151.00');
        assert.equal(await textOf(page, 'over-limit'), text(language, 'Web', 'Above the legal limit.'));
        assert.equal(await textOf(page, 'limit-basis'),
          core('%1 limit for %2').replace('%1', core('EU')).replace('%2', wine));
        // A file's results too, with its kind named and the wine's columns.
        await page.click('#answer-yes');
        await drop(page, 'kinds.csv', WINE_CELLAR);
        await page.select('#file-target-kind', 'free');
        await page.waitForSelector('#download:not([hidden])');
        await page.evaluate(() => { document.getElementById('batch-columns').open = true; });
        await audit('cellar file');
        // Nothing sticks out sideways, no caption or entry is cut or
        // abbreviated, no box parts from its arrows, and on a phone every
        // control is big enough for a finger.
        assert.deepEqual(await layoutFaults(page, { touch: width < 480 }), []);
        await page.screenshot({ path: screenshotPath(`${language}-${width}x${height}.png`), fullPage: true });
        assert.deepEqual(found, []);
        assert.deepEqual(page.errors, []);
        await page.close();
      });
    }
  });
}
