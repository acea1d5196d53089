// The register's way through: a tank made, its analysis entered, the dose
// worked out by the core, planned and done; then the page reloaded with the
// network cut, and everything still there, the plot showing it, and the
// sheet calculating in every language from the files the service worker kept.
import assert from 'node:assert/strict';
import { after, before, it } from 'node:test';
import { fillSheet, launch, serveSite, speak, textOf, typeInto, valueOf, withSiteAndBrowser } from './harness.mjs';
import { chooseTank, createTank, enterAnalysis, historyRows, openRegister, planAndDo } from './register_harness.mjs';

const env = withSiteAndBrowser({ before, after });

const shownTotal = (page) => page.$eval('#reg-total', (el) => el.textContent);

it('keeps a tank, its analysis and its addition through a reload offline, where the sheet calculates too', async () => {
  const page = await openRegister(env.browser, env.site.url, { language: 'en' });
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await createTank(page, { name: 'T1 Syrah', volume: '22.5', unit: 'hl', target_kind: 'free', target: '35',
    form: 'potassium', method: 'powder', colour: 'red', regime: 'eu' });
  await enterAnalysis(page, { ph: '3.62', free_so2: '12', total_so2: '110', sugar: '1.8', who: 'AM' });
  // The window's figure for this wine (as korvane-calc gives it for the
  // same row of a cellar file): 89.62 g, 23 mg/L of SO2 against 150 for a
  // dry red under the EU's rule.
  assert.match(await page.$eval('#reg-dose-text', (el) => el.textContent), /89\.62 g.*23\.0/);
  assert.match(await shownTotal(page), /110 mg\/L · limit 150 mg\/L$/);
  await planAndDo(page);
  assert.match(await shownTotal(page), /133 mg\/L · limit 150 mg\/L$/);
  const work = await page.$$eval('#work-order-table tbody tr', (rows) => rows.map((r) => r.textContent));
  assert.equal(work.length, 1);
  assert.match(work[0], /T1 Syrah.*22\.5 Hectolitres.*89\.62 g/);

  await page.setOfflineMode(true);
  env.site.close();
  // A list kept from a last visit, drawn before the database has opened, then the database's (kept: names, flags).
  await page.evaluate(() => localStorage.setItem('korvane.register.list', '[{"id":"tank:x","name":"Gone"}]'));
  await page.reload();
  await page.waitForSelector('body[data-register=ready]');
  assert.deepEqual(await page.evaluate(() => [performance.getEntriesByName('korvane-register-list')[0].startTime
    < performance.getEntriesByName('korvane-register-opened')[0].startTime,
  JSON.parse(localStorage.getItem('korvane.register.list')).map((entry) => Object.values(entry).slice(1)),
  [...document.getElementById('reg-tank').options].map((o) => `${o.selected} ${o.textContent}`)]),
  [true, [['T1 Syrah', false, false]], ['false Choose a tank', 'true T1 Syrah']]);
  const rows = await historyRows(page);
  assert.deepEqual([...rows.map((r) => r[1]), /✓/.test(rows[0][4])], ['Addition done', 'Analysis', true]);
  assert.match(await shownTotal(page), /133 mg\/L/);
  // The plot: the analysis's free, molecular and total SO2 and the
  // addition's 23 mg/L, at their two times, drawn.
  const plot = await page.evaluate(() => window.korvaneRegister.plotData());
  assert.deepEqual([plot[0].length, plot[1][0], plot[3][0], plot[4][0], plot[5][1]], [2, 12, 110, 150, 23]);
  assert.ok(plot[2][0] > 0.1 && plot[2][0] < 0.3);
  assert.ok(await page.$('#reg-plot canvas'));
  // Every file of the site was kept, once, under the site's own hash.
  const cached = await page.evaluate(async () => {
    const names = await caches.keys();
    const files = await (await caches.open(names[0])).keys();
    return { names, files: files.map((r) => new URL(r.url).pathname).sort() };
  });
  assert.equal(cached.names.length, 1);
  assert.match(cached.names[0], /^korvane-[0-9a-f]{16}$/);
  assert.deepEqual(cached.files, ['/', '/icon-192.png', '/icon-512.png', '/icon-maskable-512.png',
    '/index.html', '/manifest.webmanifest', '/register.js', '/sync.js']);
  await fillSheet(page, { ph: '3.5', free_so2: '10', batch_size: '23', unit: 'litres', form: 'potassium',
    target_kind: 'free', target_free: '40', method: 'powder' });
  await page.click('#calculate');
  assert.equal(await valueOf(page, 'amount'), '1.19');
  await speak(page, 'fr');
  assert.notEqual(await textOf(page, 'calculate'), 'Calculate');
  assert.deepEqual(page.errors, []);
});

it('flags a plan done twice and counts both until one is withdrawn', async () => {
  const page = await openRegister(env.browser, env.site.url, { language: 'en' });
  await createTank(page, { name: 'T2 Blanc', volume: '1000', unit: 'litres', target_kind: 'free', target: '30',
    form: 'potassium', method: 'powder' });
  await enterAnalysis(page, { ph: '3,3', free_so2: '15', total_so2: '100' }); // a decimal comma too
  await planAndDo(page, { done: false });
  // A second device's done record for the same plan, as replication brings it.
  await page.evaluate(async () => {
    const { db } = window.korvaneRegister;
    const plan = (await db.allDocs({ include_docs: true })).rows.map((r) => r.doc)
      .find((d) => d.type === 'plan' && d.inputs.tank === 'T2 Blanc');
    for (const key of ['a', 'b']) {
      await db.put({ _id: `done:${plan.tank.slice(5)}:${key}`, type: 'done', tank: plan.tank, plan: plan._id,
        at: new Date().toISOString(), who: key });
    }
  });
  await page.reload();
  await page.waitForSelector('body[data-register=ready]');
  assert.match(await page.$eval('#reg-flags', (el) => el.textContent), /done twice/);
  assert.match(await shownTotal(page), /130 mg\/L/); // 100 + 15 + 15
  await page.click('#reg-history tr.done button.small');
  await page.waitForFunction(() => document.getElementById('reg-flags').textContent === '');
  assert.match(await shownTotal(page), /115 mg\/L/);
  // Nothing is lost: the withdrawn record is still in the database.
  const kept = await page.evaluate(async () => {
    const docs = (await window.korvaneRegister.db.allDocs({ include_docs: true })).rows.map((r) => r.doc);
    const tank = docs.find((d) => d.name === 'T2 Blanc')._id;
    return docs.filter((d) => d.type === 'done' && d.tank === tank).length;
  });
  assert.equal(kept, 3);
  assert.deepEqual(page.errors, []);
});

it('says so when the device\'s storage is full, and keeps what was typed', async () => {
  const page = await openRegister(env.browser, env.site.url, { language: 'de' });
  await chooseTank(page, 1);
  const before = await page.evaluate(async () => (await window.korvaneRegister.db.allDocs()).total_rows);
  // IndexedDB's answer when the origin's quota is spent.
  await page.evaluate(() => {
    window.korvaneRegister.db.put = () => Promise.reject(new DOMException('full', 'QuotaExceededError'));
  });
  await page.type('#reg-ph', '3.5');
  await page.type('#reg-free_so2', '20');
  await page.click('#reg-save-analysis');
  await page.waitForFunction(() => document.getElementById('reg-status').classList.contains('failed'));
  assert.match(await page.$eval('#reg-status', (el) => el.textContent), /^Der Speicher des Geräts ist voll/);
  assert.deepEqual(await page.$$eval('#reg-ph, #reg-free_so2', (els) => els.map((el) => el.value)), ['3.5', '20']);
  assert.equal(await page.evaluate(async () => (await window.korvaneRegister.db.allDocs()).total_rows), before);
  assert.deepEqual(page.errors, []);
});

it('speaks the language chosen, keeping what was typed', async () => {
  const page = await openRegister(env.browser, env.site.url, { language: 'en' });
  await chooseTank(page, 1);
  await page.type('#reg-note', 'racked');
  await page.select('#language', 'pt');
  await page.waitForFunction(() => document.getElementById('reg-new-tank').textContent === 'Nova cuba');
  assert.equal(await page.$eval('#reg-note', (el) => el.value), 'racked');
  assert.equal(await page.$eval('label[for=reg-note]', (el) => el.textContent), 'Nota');
  assert.match(await page.$eval('#reg-history', (el) => el.textContent), /Análise/);
  assert.deepEqual(page.errors, []);
});

it('corrects an analysis with a new record, and shows a tank edited on two devices', async () => {
  const page = await openRegister(env.browser, env.site.url, { language: 'en' });
  await chooseTank(page, 1);
  const analyses = async () => (await historyRows(page)).filter((row) => row[1] === 'Analysis');
  const before = await analyses();
  await page.click('#reg-history tr:last-child button');
  assert.equal(await page.$eval('#reg-ph', (el) => el.value), '3.62');
  await page.evaluate(() => {
    document.getElementById('reg-total_so2').value = '105';
  });
  await page.click('#reg-save-analysis');
  await page.waitForFunction(() => /105/.test(document.getElementById('reg-history').textContent));
  assert.equal((await analyses()).length, before.length);
  const kept = await page.evaluate(async () => (await window.korvaneRegister.db.allDocs()).rows
    .filter((r) => r.id.startsWith('analysis:')).length);
  assert.ok(kept > before.length);
  // Another device's edit of the tank, as replication brings it.
  await page.evaluate(async () => {
    const { db } = window.korvaneRegister;
    const tank = (await db.allDocs({ include_docs: true, startkey: 'tank:', endkey: 'tank:\ufff0' })).rows[0].doc;
    await db.bulkDocs([{ ...tank, _rev: '9-ffff', notes: 'other device' }], { new_edits: false });
    await db.bulkDocs([{ ...tank, _rev: '9-0000', notes: 'this device' }], { new_edits: false });
  });
  await page.reload();
  await page.waitForSelector('body[data-register=ready]');
  await chooseTank(page, 1);
  assert.match(await page.$eval('#reg-flags', (el) => el.textContent), /changed on two devices/);
  assert.deepEqual(page.errors, []);
});

it('asks an analysis every question in turn, and saves no tank with a figure it refuses', async () => {
  const page = await openRegister(env.browser, env.site.url, { language: 'fr' });
  // A new tank starts in hectolitres, listed first with litres, its size
  // and target left to give, not the form's 5 gallons and 0.
  await page.click('#reg-new-tank');
  assert.deepEqual(await page.evaluate(() => [...['reg-unit', 'reg-volume', 'reg-target']
    .map((id) => document.getElementById(id).value), ...[...document.getElementById('reg-unit').options].map((o) => o.value)]),
  ['hl', '', '', 'hl', 'litres', 'us-gal', 'imp-gal']);
  await createTank(page, { name: 'T3 Blanc', volume: '1000', unit: 'litres', target_kind: 'free', target: '30',
    form: 'potassium', method: 'powder', colour: 'white', regime: 'eu' });
  await page.waitForFunction(() => document.getElementById('reg-status').textContent === 'Cuve enregistrée.');
  // No tank is saved with a figure the core refuses or one it lacks, nor
  // with a point in thousands' place, never taken as 1.1 L.
  for (const [field, typed, said, kept] of [['limit', '1,2e2', 'La limite doit être un nombre de mg/L supérieur à 0, et au plus 1000000.', ''],
    ['target', '', 'Veuillez saisir le SO2 visé.', '30'],
    ['volume', '1.100', '«\u00a01.100\u00a0» peut se lire en milliers ou en décimales\u00a0: écrivez-le sans le point, '
      + 'ou avec une virgule décimale.', '1000']]) {
    await typeInto(page, `reg-${field}`, typed);
    await page.click('#reg-save-tank');
    assert.deepEqual(await page.evaluate(() => [document.activeElement.id, ...['reg-tank-message', 'reg-status']
      .map((id) => document.getElementById(id).textContent)]), [`reg-${field}`, said, '']);
    await typeInto(page, `reg-${field}`, kept);
  }
  for (const [name, value] of Object.entries({ ph: '3,4', free_so2: '0,5', total_so2: '195' })) {
    await typeInto(page, `reg-${name}`, value);
  }
  // No leaves the figure asked about to correct, and keeps nothing.
  await page.click('#reg-save-analysis');
  await page.waitForSelector('#question[open]');
  await page.click('#question-no');
  await page.waitForFunction(() => document.activeElement.id === 'reg-free_so2');
  assert.match(await textOf(page, 'reg-analysis-message'), /^Le SO2 mesuré semble bas/);
  await page.click('#reg-save-analysis');
  const asked = [];
  for (let i = 0; i < 2; i++) {
    await page.waitForSelector('#question[open]');
    asked.push(await textOf(page, 'question-text'));
    await page.click('#question-yes');
  }
  assert.match(asked.join('|'),
    /^Le SO2 mesuré semble bas.*\|Le SO2 total atteindrait 224.5 mg\/L, au-dessus de la limite de 200/);
  await page.waitForSelector('#reg-plan');
  assert.match(await page.$eval('#reg-dose', (el) => el.textContent),
    /SO2 total après \(mg\/L\): 224,5Limite 200 mg\/L\s:\slimite \(UE\) pour un blanc sec.*Prévoir cet ajout$/);
  // A double tap plans it once.
  await page.$eval('#reg-plan', (button) => { button.click(); button.click(); });
  await page.waitForFunction(() => document.getElementById('reg-status').textContent.startsWith('Ajout prévu'));
  assert.equal((await page.evaluate(() => window.korvaneRegister.additionsCsv())).split('T3 Blanc').length, 2);
  // Its analysis corrected before the addition is made: the plan, worked out
  // on the old figures, is withdrawn, and the new dose offered.
  await page.click('#reg-history tbody tr:not(.planned) button');
  await typeInto(page, 'reg-free_so2', '20');
  await page.click('#reg-save-analysis');
  await page.waitForSelector('#question[open]');
  await page.click('#question-yes');
  await page.waitForSelector('#reg-plan');
  assert.equal(await textOf(page, 'reg-status'), 'Analyse enregistrée. L’ajout prévu sur l’analyse qu’elle corrige a été '
    + 'retiré : prévoyez-le à nouveau d’après la nouvelle dose.');
  assert.equal((await page.evaluate(() => window.korvaneRegister.additionsCsv())).split('T3 Blanc').length, 1);
  // A plan no longer wanted is withdrawn by hand.
  await page.click('#reg-plan');
  await page.waitForSelector('#reg-history .reg-withdraw-plan');
  await page.click('#reg-history .reg-withdraw-plan');
  await page.waitForFunction(() => document.getElementById('reg-status').textContent === 'Ajout prévu retiré.');
  await page.waitForSelector('#reg-plan');
  // An analysis without a total is checked on the last one measured: its
  // over-limit question is asked as it is saved, not left on its dose.
  await typeInto(page, 'reg-ph', '3,4');
  await typeInto(page, 'reg-free_so2', '20');
  await page.click('#reg-save-analysis');
  await page.waitForSelector('#question[open]');
  assert.match(await textOf(page, 'question-text'), /^Le SO2 total atteindrait 205 mg\/L/);
  await page.click('#question-yes');
  await page.waitForSelector('#reg-plan');
  // An analysis just under the target is kept (its dose alone, too little to
  // weigh, is refused), and the tank still saves.
  await typeInto(page, 'reg-ph', '3,4');
  await typeInto(page, 'reg-free_so2', '29,999');
  await page.click('#reg-save-analysis');
  await page.waitForFunction(() => document.getElementById('reg-status').textContent === 'Analyse enregistrée.');
  await page.click('#reg-save-tank');
  await page.waitForFunction(() => document.getElementById('reg-status').textContent === 'Cuve enregistrée.');
  assert.deepEqual(page.errors, []);
});

it('keeps a tank chosen from the last visit\'s list while the register is still opening', async () => {
  const page = await env.browser.newPage();
  // IndexedDB slow to open, as on a phone with a large register.
  await page.evaluateOnNewDocument(() => {
    const open = IDBFactory.prototype.open;
    IDBFactory.prototype.open = function late(...args) {
      const request = {};
      setTimeout(() => {
        const real = open.apply(this, args);
        for (const on of ['onsuccess', 'onerror', 'onupgradeneeded', 'onblocked']) real[on] = (e) => request[on]?.(e);
        Object.defineProperties(request, { result: { get: () => real.result }, error: { get: () => real.error } });
      }, 1000);
      return request;
    };
  });
  await page.goto(env.site.url);
  await page.waitForFunction(() => document.getElementById('reg-tank')?.options.length > 2);
  const other = await page.$eval('#reg-tank', (el) => [...el.options].find((o) => o.value && !o.selected).value);
  await page.select('#reg-tank', other);
  await page.waitForSelector('body[data-register=ready]');
  await page.waitForFunction((id) => document.getElementById('reg-tank-view').dataset.tank === id, {}, other);
  assert.equal(await page.$eval('#reg-tank', (el) => el.value), other);
});

it('opens in the browser\'s language and says what it cannot keep when site data is blocked', async () => {
  // The browser's own setting that blocks every site's storage: reading it throws.
  const browser = await launch({ preferences: { profile: { default_content_setting_values: { cookies: 2 } } } });
  // A server of its own: the first test stops the shared one to go offline.
  const site = await serveSite();
  try {
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await page.evaluateOnNewDocument(() => Object.defineProperty(navigator, 'languages', { get: () => ['fr-FR'] }));
    await page.goto(site.url);
    await page.waitForSelector('body[data-ready]');
    await page.click('#save-defaults');
    await page.waitForFunction(() => document.getElementById('reg-status')?.textContent);
    const shown = () => page.evaluate(() => [document.documentElement.lang, document.getElementById('batch_size').value,
      ...['defaults-status', 'reg-status'].map((id) => document.getElementById(id).textContent)]);
    assert.deepEqual(await shown(), ['fr', '5', 'Vos valeurs par défaut n’ont pas été conservées\u00a0: ce navigateur '
      + 'refuse de stocker quoi que ce soit pour cette page.', 'Le navigateur refuse de garder le registre (navigation '
      + 'privée, ou stockage désactivé) : rien ne peut être gardé sur cet appareil.']);
    await page.select('#language', 'de');
    await page.waitForFunction(() => document.documentElement.lang === 'de');
    assert.equal((await shown())[3], 'Der Browser verweigert das Speichern des Kellerbuchs (privates Surfen oder '
      + 'Speicher abgeschaltet): auf diesem Gerät kann nichts gespeichert werden.');
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
    site.close();
  }
});
