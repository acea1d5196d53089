// What every browser test needs: the built site served from this machine, a
// fresh headless Chromium, and the page's fields and results read as a user
// reads them.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import zlib from 'node:zlib';
import puppeteer from 'puppeteer-core';

export const SITE = process.env.KORVANE_SITE;

// Serves the site and starts a browser before a test file's tests, with
// node:test's `before` and `after` (passed in, as a benchmark imports this
// file too), and closes both after them. The object returned holds them as
// `site` and `browser` once they are up; `ready` gets them then too.
export function withSiteAndBrowser({ before, after }, ready = () => {}) {
  const env = {};
  before(async () => {
    env.site = await serveSite();
    env.browser = await launch();
    await ready(env.site, env.browser);
  });
  after(async () => {
    await env.browser.close();
    env.site.close();
  });
  return env;
}

// The same with one page open in English for the file's tests, which must
// meet no error on it.
export function withEnglishPage(hooks, ready) {
  let page;
  withSiteAndBrowser(hooks, async (site, browser) => {
    page = await openPage(browser, site.url, { language: 'en' });
    ready(page);
  });
  hooks.after(() => assert.deepEqual(page.errors, []));
}
export const CALC = process.env.KORVANE_CALC;
export const DATA = process.env.KORVANE_DATA;
export const SCREENSHOTS = process.env.KORVANE_SCREENSHOTS;

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png' };

// A static host: the site's files, nothing else; gzipped when asked, as
// static hosts send them.
export async function serveSite(root = SITE, { gzip = false } = {}) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/\/$/, '/index.html');
    const file = path.join(root, path.normalize(name));
    if (!file.startsWith(root) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream' };
    let body = fs.readFileSync(file);
    if (gzip && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
      body = zlib.gzipSync(body, { level: 9 });
      headers['Content-Encoding'] = 'gzip';
    }
    response.writeHead(200, headers);
    response.end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

// `preferences`: the profile's own settings, as the browser's settings page writes them.
export async function launch({ preferences } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'korvane-chromium-'));
  if (preferences) {
    fs.mkdirSync(path.join(profile, 'Default'));
    fs.writeFileSync(path.join(profile, 'Default', 'Preferences'), JSON.stringify(preferences));
  }
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    userDataDir: profile,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--no-first-run', '--disable-sync', '--disable-quic'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A page of the site, ready for use, in `language` unless the browser's own
// languages are to choose.
export async function openPage(browser, url, { width = 1280, height = 800, language } = {}) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.errors = errors;
  await page.setViewport({ width, height });
  if (language) {
    await page.evaluateOnNewDocument((l) => localStorage.setItem('korvane.language', l), language);
  }
  await page.goto(url);
  await page.waitForSelector('body[data-ready]');
  return page;
}

// Replaces a field's text as a user would: select all, type.
export async function typeInto(page, id, text) {
  await page.click(`#${id}`, { clickCount: 3 });
  await page.keyboard.press('Backspace');
  if (text) await page.type(`#${id}`, text);
}

// Replaces a field's text with `text` pasted from the clipboard.
export async function pasteInto(page, id, text) {
  await page.browserContext().overridePermissions(new URL(page.url()).origin, ['clipboard-sanitized-write']);
  await page.evaluate((t) => navigator.clipboard.writeText(t), text);
  await page.click(`#${id}`, { clickCount: 3 });
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyV', { commands: ['Paste'] });
  await page.keyboard.up('Control');
}

// What a figure not calculated since the last change reads.
export const NOT_CALCULATED = '—';
// Whether an element is drawn at all (`hidden` must win over any display rule).
export const shown = (page, id) => page.$eval(`#${id}`, (el) => el.getClientRects().length > 0);
export const valueOf = (page, id) => page.$eval(`#${id}`, (el) => el.value);
export const textOf = (page, id) => page.$eval(`#${id}`, (el) => el.textContent);
export const focused = (page) => page.evaluate(() => document.activeElement?.id);

export async function choose(page, id, value) {
  await page.select(`#${id}`, value);
}

// Chooses the page's language and waits until it speaks it: its texts
// may have to be fetched first.
export async function speak(page, language) {
  await page.select('#language', language);
  await page.waitForFunction((l) => document.documentElement.lang === l, {}, language);
}

// Fills the sheet; `method` is the id of its option.
export async function fillSheet(page, sheet) {
  for (const id of ['form', 'unit', 'target_kind']) if (sheet[id]) await choose(page, id, sheet[id]);
  if (sheet.method) await page.click(`#${sheet.method}`);
  for (const id of ['ph', 'free_so2', 'batch_size', 'solution_pct', 'tablet_g', 'target_free',
    'target_molecular']) {
    if (sheet[id] !== undefined) await typeInto(page, id, sheet[id]);
  }
}

// Drops a file of `bytes` (a Buffer or a string) onto the drop zone with the
// id `zone`, as a file manager would.
export async function dropFile(page, name, bytes, zone = 'drop') {
  await page.evaluate((fileName, content, id) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(content)], fileName));
    const target = document.getElementById(id);
    target.dispatchEvent(new DragEvent('dragover', { dataTransfer: transfer, bubbles: true }));
    target.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true }));
  }, name, [...Buffer.from(bytes)], zone);
}

// The figures of the sheet as it shows them.
export function results(page) {
  return page.evaluate(() => Object.fromEntries(['existing_molecular', 'target_free',
    'target_molecular', 'so2_requirement', 'molecular_so2_requirement', 'amount', 'teaspoons']
    .map((id) => [id, document.getElementById(id).value])
    .concat([['amount_unit', document.getElementById('amount_unit').textContent],
      ['teaspoons_shown', document.getElementById('teaspoons-box').getClientRects().length > 0]])));
}

// korvane-calc's answer for a file: its standard output.
export function calcBatch(file, args) {
  return execFileSync(CALC, ['--batch', file, '--format', 'csv', '--quiet', ...args],
    { maxBuffer: 1 << 28 });
}

export function screenshotPath(name) {
  fs.mkdirSync(SCREENSHOTS, { recursive: true });
  return path.join(SCREENSHOTS, name);
}

// What axe-core finds against WCAG 2.1 A and AA and its best practices in
// `within` (a selector; the whole page by default), each as
// "STATE: rule: elements".
const AXE = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
export async function axeViolations(page, state, within = 'html') {
  await page.addScriptTag({ path: AXE });
  const found = await page.evaluate(async (context) => (await window.axe.run(context, {
    runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'],
  })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`), within);
  return found.map((v) => `${state}: ${v}`);
}
