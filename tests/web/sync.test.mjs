// The register shared through a real CouchDB-protocol server: two browser
// profiles as two devices of one winery, one of them out of signal for a
// while; a tank edited on both; the server's refusals told apart; and the
// password never where it should not be.
import assert from 'node:assert/strict';
import { after, before, it } from 'node:test';
import { axeViolations, screenshotPath, speak, typeInto, withSiteAndBrowser } from './harness.mjs';
import { CLOSED, DATABASE, startCouch, USER } from './couch_harness.mjs';
import { createTank, enterAnalysis, historyRows, openRegister, planAndDo } from './register_harness.mjs';

let couch;
const env = withSiteAndBrowser({ before, after }, async (site) => {
  couch = await startCouch(new URL(site.url).origin);
});
after(() => couch?.stop());

// A device: a browser profile of its own, every request and console line
// it makes recorded.
async function device() {
  const context = await env.browser.createBrowserContext();
  const page = await openRegister(context, env.site.url, { language: 'en' });
  page.requests = [];
  page.consoleLines = [];
  page.on('request', (request) => page.requests.push({ url: request.url(), method: request.method(),
    headers: request.headers() }));
  page.on('console', (message) => page.consoleLines.push(message.text()));
  return page;
}

const waitForStatus = (page, pattern) => page.waitForFunction((source) =>
  new RegExp(source).test(document.getElementById('sync-status')?.textContent ?? ''), { timeout: 30000 },
pattern.source);

async function setSync(page, { url = couch.url, database = DATABASE, name = USER.name,
  password = USER.password, remember = false } = {}) {
  if (!await page.$eval('#reg-sync', (el) => el.open)) await page.click('#reg-sync-title');
  await page.waitForSelector('#sync-form');
  for (const [id, value] of [['sync-url', url], ['sync-database', database], ['sync-name', name],
    ['sync-password', password]]) await typeInto(page, id, value);
  if (await page.$eval('#sync-remember', (el) => el.checked) !== remember) await page.click('#sync-remember');
  await page.click('#sync-start');
}

const tankNames = (page) => page.$$eval('#reg-tank option', (options) => options.map((o) => o.textContent));
async function chooseTank(page, name) {
  await page.waitForFunction((n) => [...document.querySelectorAll('#reg-tank option')]
    .some((o) => o.textContent.startsWith(n)), { timeout: 30000 }, name);
  const id = await page.$$eval('#reg-tank option', (options, n) => options.find((o) => o.textContent.startsWith(n))
    .value, name);
  await page.select('#reg-tank', id);
}
async function editVolume(page, volume) {
  await page.$eval('#reg-details', (el) => { el.open = true; });
  await typeInto(page, 'reg-volume', volume);
  await page.click('#reg-save-tank');
  await page.waitForFunction(() => document.getElementById('reg-status').textContent === 'Tank saved.');
}
const registerIds = (page) => page.evaluate(async () => (await window.korvaneRegister.db.allDocs()).rows
  .map((r) => r.id).sort());

it('talks to no server before sync is set, refuses plain HTTP to another machine, and tells the server\'s refusals apart', async () => {
  const page = await device();
  await createTank(page, { name: 'Cuve 4', volume: '12', unit: 'hl', target: '30' });
  assert.deepEqual(page.requests.filter((r) => !r.url.startsWith(env.site.url)), []);
  // The settings' module comes only when they are opened.
  assert.ok(!page.requests.some((r) => r.url.endsWith('/sync.js')));
  await setSync(page, { url: 'http://192.168.1.20:5984' });
  const refusal = () => page.$eval('#sync-message', (el) => el.textContent);
  const english = await refusal();
  assert.match(english, /^Only https:\/\/ addresses: a password must not cross a network in clear/);
  assert.deepEqual(page.requests.filter((r) => !r.url.startsWith(env.site.url)), []);
  assert.ok(page.requests.some((r) => r.url.endsWith('/sync.js')));

  // The settings with their refusal, in every language, on a phone and a
  // desktop, for a person to look at; and no accessibility fault in them.
  for (const language of ['en', 'fr', 'it', 'es', 'de', 'pt']) {
    for (const [width, height] of [[360, 740], [1280, 800]]) {
      await page.setViewport({ width, height });
      await page.select('#language', language);
      await page.click('#sync-start');
      // Sync's texts come in its own module, translated as the page's.
      if (language !== 'en') assert.notEqual(await refusal(), english);
      const box = await page.$('#reg-sync');
      await box.screenshot({ path: screenshotPath(`${language}-sync-${width}x${height}.png`) });
    }
  }
  assert.deepEqual(await axeViolations(page, 'sync', '#reg-sync'), []);

  // A wrong password told from an unknown database and a refused one, the
  // register kept each time.
  await speak(page, 'en');
  const kept = await registerIds(page);
  const cases = [
    { password: 'not-the-password', says: /^The server refused this account or password\./ },
    { database: 'no-such-base', says: /^The database no-such-base does not exist on the server\./ },
    { database: CLOSED, says: new RegExp(`^The account ${USER.name} may not read the database ${CLOSED}\\.`) },
  ];
  for (const row of cases) {
    await setSync(page, row);
    await waitForStatus(page, row.says);
    assert.deepEqual(await registerIds(page), kept);
  }
  // The account was checked before the database, each time.
  const asked = page.requests.filter((r) => r.url.startsWith(couch.url) && r.method === 'GET')
    .map((r) => new URL(r.url).pathname);
  assert.equal(asked.filter((p) => p === '/_session').length, 3);
  assert.deepEqual(page.errors, []);
});

it('shares records between two devices, one of them offline a while, and settles a tank edited on both', async () => {
  const cellar = await device();
  const lab = await device();
  await setSync(cellar, { remember: true });
  await setSync(lab);
  await waitForStatus(cellar, /^In step with the server\.$/);
  await waitForStatus(lab, /^In step with the server\.$/);

  await createTank(cellar, { name: 'T1 Syrah', volume: '22.5', unit: 'hl', target_kind: 'free', target: '35',
    form: 'potassium', method: 'powder' });
  await enterAnalysis(cellar, { ph: '3.62', free_so2: '12', total_so2: '110' });
  await planAndDo(cellar);
  await chooseTank(lab, 'T1 Syrah');
  await lab.waitForSelector('#reg-history tr.done', { timeout: 30000 });
  assert.deepEqual((await historyRows(lab)).map((r) => r[1]), ['Addition done', 'Analysis']);

  // The lab's laptop leaves the network: its records wait on the device,
  // counted, and its edit of the same tank comes after the cellar's.
  await lab.setOfflineMode(true);
  await waitForStatus(lab, /^The connection to the server dropped\./);
  await editVolume(cellar, '25');
  await editVolume(lab, '30');
  await createTank(lab, { name: 'T2 Blanc', volume: '1000', unit: 'litres', target_kind: 'free', target: '30',
    form: 'potassium', method: 'powder' });
  await enterAnalysis(lab, { ph: '3.3', free_so2: '15', total_so2: '100' });
  await lab.waitForFunction(() => Number(document.getElementById('sync-progress').dataset.waiting) >= 3);
  assert.match(await lab.$eval('#sync-progress', (el) => el.textContent),
    /^Last synced: .*Changes waiting to go: [3-9]\.$/);

  await lab.setOfflineMode(false);
  await waitForStatus(lab, /^In step with the server\.$/);
  await lab.waitForFunction(() => document.getElementById('sync-progress').dataset.waiting === '0');
  await chooseTank(cellar, 'T2 Blanc');
  await cellar.waitForFunction(() => document.querySelectorAll('#reg-history tbody tr').length === 1,
    { timeout: 30000 });

  // Both show the later edit and mark the tank, its other version beside.
  for (const page of [cellar, lab]) {
    await chooseTank(page, 'T1 Syrah');
    await page.waitForFunction(() => document.querySelectorAll('.reg-version').length === 2, { timeout: 30000 });
    assert.equal(await page.$eval('#reg-volume', (el) => el.value), '30');
    assert.match(await page.$eval('#reg-flags', (el) => el.textContent), /changed on two devices while apart/);
    const versions = await page.$$eval('.reg-version', (rows) => rows.map((r) => r.textContent));
    assert.match(versions[0], /\(shown\): Volume 30 Keep/);
    assert.match(versions[1], /: Volume 25 Keep/);
  }
  // A dose on either version may be wrong: it is questioned, and No plans nothing.
  // (Its time a minute on, after the addition planned in this minute.)
  await lab.$eval('#reg-at', (el) => {
    const later = new Date(Date.now() + 60000 - new Date().getTimezoneOffset() * 60000);
    el.value = later.toISOString().slice(0, 16);
  });
  await enterAnalysis(lab, { ph: '3.55', free_so2: '20', total_so2: '120' });
  await lab.waitForSelector('#reg-dose-doubt');
  await lab.click('#reg-plan');
  await lab.waitForSelector('#question[open]');
  assert.match(await lab.$eval('#question-text', (el) => el.textContent), /differs between two devices/);
  await lab.click('#question-no');
  assert.equal(await lab.$$eval('#reg-history tr.planned', (rows) => rows.length), 0);
  await lab.setViewport({ width: 360, height: 740 });
  for (const [page, name] of [[cellar, 'en-sync-conflict-1280x800.png'], [lab, 'en-sync-conflict-360x740.png']]) {
    await (await page.$('#reg-tank-view')).screenshot({ path: screenshotPath(name) });
  }
  // The cellar's hand knows the tank holds 25 hL: that version is kept.
  await cellar.click('.reg-version:nth-child(2) button');
  for (const page of [cellar, lab]) {
    await page.waitForFunction(() => !document.querySelector('.reg-version')
      && document.getElementById('reg-volume').value === '25', { timeout: 30000 });
    assert.equal(await page.$eval('#reg-flags', (el) => el.textContent), '');
  }
  await waitForStatus(cellar, /^In step with the server\.$/);
  await waitForStatus(lab, /^In step with the server\.$/);
  const ids = await registerIds(cellar);
  assert.deepEqual(await registerIds(lab), ids);
  assert.deepEqual(ids.map((id) => id.split(':')[0]).sort(),
    ['analysis', 'analysis', 'analysis', 'done', 'plan', 'tank', 'tank']);
  assert.equal((await couch.docs()).length, 7);
  // Nothing dropped: the losing edit is still in the tank's history.
  const history = await cellar.evaluate(async () => {
    const { db } = window.korvaneRegister;
    const tank = (await db.allDocs({ include_docs: true })).rows.map((r) => r.doc).find((d) => d.name === 'T1 Syrah');
    const info = await db.get(tank._id, { revs_info: true });
    const bodies = await Promise.all(info._revs_info.filter((r) => r.status === 'available')
      .map((r) => db.get(tank._id, { rev: r.rev })));
    return bodies.map((b) => b.volume);
  });
  assert.ok(history.includes('22.5') && history.includes('25'));

  // The password: only in the remembering device's storage, and in no
  // address, file, backup or console line.
  for (const page of [cellar, lab]) {
    const files = await page.evaluate(async () => [JSON.stringify(await window.korvaneRegister.backup()),
      await window.korvaneRegister.exportedCellar(), window.korvaneRegister.additionsCsv()]);
    const seen = [page.url(), ...files, ...page.consoleLines, ...page.requests.map((r) => r.url)];
    assert.deepEqual(seen.filter((text) => text.includes(USER.password)), []);
    assert.ok(page.requests.filter((r) => r.url.startsWith(couch.url) && !r.headers.authorization
      && r.headers['access-control-request-method'] === undefined).length === 0);
  }
  const stored = (page) => page.evaluate(() => JSON.stringify([{ ...localStorage }, { ...sessionStorage }]));
  assert.ok((await stored(cellar)).includes(USER.password));
  assert.ok(!(await stored(lab)).includes(USER.password));
  await cellar.click('#sync-stop');
  assert.ok(!(await stored(cellar)).includes(USER.password));

  // The lab's next visit asks for the password again; with the server
  // stopped, it says so and the register is as it was.
  await couch.stop();
  couch = null;
  await lab.reload();
  await lab.waitForSelector('body[data-register=ready]');
  await waitForStatus(lab, /^Give the account's password to sync during this visit\.$/);
  await typeInto(lab, 'sync-password', USER.password);
  await lab.click('#sync-start');
  await waitForStatus(lab, /^The server does not answer: it may be stopped/);
  assert.deepEqual(await registerIds(lab), ids);
  assert.deepEqual((await tankNames(lab)).slice(1), ['T1 Syrah', 'T2 Blanc']);
  assert.deepEqual([...cellar.errors, ...lab.errors], []);
});
