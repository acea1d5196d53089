// The register's steps as a winemaker takes them on the page: a tank made,
// an analysis entered, its dose planned and done.
import { openPage, typeInto } from './harness.mjs';

// The page with its register loaded (it comes after the form).
export async function openRegister(browser, url, options = {}) {
  const page = await openPage(browser, url, options);
  await page.waitForSelector('body[data-register=ready]');
  return page;
}

export const statusText = (page) => page.$eval('#reg-status', (el) => el.textContent);

// `tank`: the tank form's fields by name (reg-NAME), lists by their words.
export async function createTank(page, tank) {
  await page.click('#reg-new-tank');
  for (const [name, value] of Object.entries(tank)) {
    const tag = await page.$eval(`#reg-${name}`, (el) => el.tagName);
    if (tag === 'SELECT') await page.select(`#reg-${name}`, value);
    else await typeInto(page, `reg-${name}`, value);
  }
  await page.click('#reg-save-tank');
  await page.waitForFunction((name) => document.getElementById('reg-tank')
    .selectedOptions[0]?.textContent.startsWith(name), {}, tank.name);
}

export async function enterAnalysis(page, analysis) {
  for (const [name, value] of Object.entries(analysis)) await typeInto(page, `reg-${name}`, value);
  const before = await page.$$eval('#reg-history tbody tr', (rows) => rows.length);
  await page.click('#reg-save-analysis');
  await page.waitForFunction((n) => document.querySelectorAll('#reg-history tbody tr').length > n, {}, before);
}

export async function planAndDo(page, { done = true } = {}) {
  await page.click('#reg-plan');
  await page.waitForSelector('#reg-history tr.planned');
  if (done) {
    await page.click('#reg-history tr.planned .reg-done');
    await page.waitForSelector('#reg-history tr.done');
  }
}

// Chooses the tank at `index` of the list (0 being "Choose a tank"), and
// waits until it is shown.
export async function chooseTank(page, index) {
  const id = await page.$eval('#reg-tank', (el, i) => el.options[i].value, index);
  await page.select('#reg-tank', id);
  await page.waitForFunction((t) => document.getElementById('reg-tank-view').dataset.tank === t, {}, id);
}

export const historyRows = (page) => page.$$eval('#reg-history tbody tr',
  (rows) => rows.map((row) => [...row.cells].map((cell) => cell.textContent.trim())));
