// Sharing the register with the winery's own CouchDB: the settings, a check
// of the account and the database that says plainly what is wrong, and live
// replication both ways that resumes by itself after the cellar's network
// comes back. A module of its own, loaded only when the user opens these
// settings or has set them: a page that does not sync carries none of it.
import TEXTS from 'korvane-sync-texts';
import syncStyle from './sync.css';
import {
  basicAuthorization, databaseName, databaseOutcome, serverAddress, sessionOutcome, SYNC_KEY, SYNCED_KEY,
} from './sharing.js';
import { $, element as el } from '../dom.js';
import { forget, keepText, keptText } from '../kept.js';

// Attempts after a failure come at most this far apart: a phone back in
// signal should not wait minutes for the register to catch up.
const LONGEST_WAIT = 20000;
const CHECK_AGAIN = 30000;

let host; // what the register lends: t, language(), db, refresh(), box
let settings = {}; // url, database, name, remember, and password when remembered
let password = ''; // this visit's, in memory only
let sync = null; // the live replication
let retry = null;
let situation = { words: () => '', failed: false };
let sides = { push: 'active', pull: 'active' };

// Sync's own texts come with it ({keys: ['context|English', ...], fr: [...],
// ...}); the page's for the rest.
const TEXT_INDEX = new Map(TEXTS.keys.map((k, i) => [k, i]));
function t(context, english) {
  const i = TEXT_INDEX.get(`${context}|${english}`);
  if (i === undefined) return host.t(context, english);
  return TEXTS[host.language()]?.[i] || english;
}


function readSettings() {
  try {
    return JSON.parse(keptText(SYNC_KEY)) ?? {};
  } catch {
    return {};
  }
}

function keepSettings() {
  const kept = { url: settings.url, database: settings.database, name: settings.name,
    remember: Boolean(settings.remember) };
  if (settings.remember) kept.password = password;
  remember(SYNC_KEY, kept);
}

// A browser refusing storage keeps the settings for this visit only.
function remember(key, value) {
  try {
    keepText(key, JSON.stringify(value));
  } catch {
    // nothing to do: the register says so where it keeps records
  }
}

// --- What the user sees ----------------------------------------------------------

// `words`: a function giving the text, so that it is said again in the
// language the user switches to.
function say(words, failed = false) {
  situation = { words, failed };
  const place = $('sync-status');
  if (!place) return;
  place.textContent = words();
  place.classList.toggle('failed', failed);
}

const localTime = (iso) => new Date(iso).toLocaleString(host.language(), { dateStyle: 'short', timeStyle: 'short' });

function synced() {
  try {
    const kept = JSON.parse(keptText(SYNCED_KEY));
    return kept?.target === target() ? kept : null;
  } catch {
    return null;
  }
}

const target = () => `${settings.url}/${settings.database}`;

// When the register was last in step with the server, and how many of this
// device's changes have not reached it since.
async function showProgress() {
  const place = $('sync-progress');
  if (!place || !settings.url) return;
  const last = synced();
  let waiting = 0;
  try {
    waiting = (await host.db.changes({ since: last?.seq ?? 0 })).results.length;
  } catch {
    return;
  }
  place.textContent = `${last ? t('Web', 'Last synced: %1.').replace('%1', localTime(last.at))
    : t('Web', 'Not synced yet.')} ${t('Web', 'Changes waiting to go: %1.').replace('%1', waiting)}`;
  place.dataset.waiting = waiting;
}

function form() {
  const field = (id, caption, props) => el('div', { className: 'reg-field' },
    el('label', { htmlFor: id }, caption), el('input', { id, autocomplete: 'off', spellcheck: false, ...props }));
  // No form submission: a password must never end up in an address.
  const box = el('form', { id: 'sync-form', className: 'reg-grid', method: 'post', action: 'about:blank',
    noValidate: true },
    field('sync-url', t('Web', 'Server address'), { type: 'url', placeholder: 'https://', inputMode: 'url' }),
    field('sync-database', t('Web', 'Database'), { type: 'text' }),
    field('sync-name', t('Web', 'Account'), { type: 'text', autocomplete: 'username' }),
    field('sync-password', t('Web', 'Password'), { type: 'password', autocomplete: 'current-password' }),
    el('span', { className: 'check reg-wide' }, el('input', { type: 'checkbox', id: 'sync-remember' }),
      el('label', { htmlFor: 'sync-remember' }, t('Web', 'Remember the password on this device'))),
    el('p', { className: 'note reg-wide' }, t('Web', 'Without it, the page asks for the password once per visit.')),
    el('p', { id: 'sync-message', className: 'message reg-wide', role: 'alert' }),
    el('div', { className: 'reg-bar reg-wide' },
      el('button', { type: 'submit', id: 'sync-start', className: 'primary' }, t('Web', 'Sync')),
      el('button', { type: 'button', id: 'sync-stop' }, t('Web', 'Stop syncing and forget the password'))));
  box.addEventListener('submit', (event) => {
    event.preventDefault();
    begin();
  });
  return box;
}

function draw() {
  const values = Object.fromEntries(['sync-url', 'sync-database', 'sync-name', 'sync-password']
    .map((id) => [id, $(id)?.value]));
  host.box.replaceChildren(
    el('p', { id: 'sync-status', className: 'status', role: 'status' }),
    el('p', { id: 'sync-progress', className: 'note' }),
    form());
  $('sync-url').value = values['sync-url'] ?? settings.url ?? '';
  $('sync-database').value = values['sync-database'] ?? settings.database ?? '';
  $('sync-name').value = values['sync-name'] ?? settings.name ?? '';
  $('sync-password').value = values['sync-password'] ?? '';
  $('sync-remember').checked = Boolean(settings.remember);
  $('sync-stop').addEventListener('click', signOut);
  say(situation.words, situation.failed);
  showProgress();
}

// --- Settings ------------------------------------------------------------------

function refuse(text, id) {
  $('sync-message').textContent = text;
  $(id)?.focus();
}

// The settings as typed, checked before anything is sent anywhere.
function begin() {
  $('sync-message').textContent = '';
  const address = serverAddress($('sync-url').value);
  if (address.problem === 'plain') {
    return refuse(t('Web', 'Only https:// addresses: a password must not cross a network in clear, and a page served over HTTPS may not call plain HTTP. Plain http:// is for this machine only (localhost).'), 'sync-url');
  }
  if (address.problem === 'credentials') {
    return refuse(t('Web', 'Give the account and its password in their own fields, not in the address.'), 'sync-url');
  }
  if (address.problem) return refuse(t('Web', 'This is not a server address (https://\u2026).'), 'sync-url');
  const database = $('sync-database').value.trim();
  if (!databaseName(database)) {
    return refuse(t('Web', 'A database name: small letters, digits and _$()+-/, starting with a letter.'), 'sync-database');
  }
  const name = $('sync-name').value.trim();
  const typed = $('sync-password').value;
  if (!name) return refuse(t('Web', 'Give the account.'), 'sync-name');
  const same = address.url === settings.url && database === settings.database && name === settings.name;
  if (!typed && !(same && password)) return refuse(t('Web', 'Give the account\'s password.'), 'sync-password');
  if (!same) forget(SYNCED_KEY);
  settings = { url: address.url, database, name, remember: $('sync-remember').checked };
  if (typed) password = typed;
  $('sync-password').value = '';
  keepSettings();
  return connect();
}

// Stops syncing and removes the password from the device; the register
// and the address stay.
function signOut() {
  stop();
  password = '';
  if (settings.url) {
    settings.remember = false;
    keepSettings();
  }
  $('sync-password').value = '';
  $('sync-remember').checked = false;
  say(() => t('Web', 'Sync stopped; the password is no longer kept on this device.'));
}

function stop() {
  attempts++;
  clearTimeout(retry);
  retry = null;
  sync?.cancel();
  sync = null;
}

// --- Talking to the server -------------------------------------------------------------

// Every request to the server: the account in its header, no cookie.
function request(url, options = {}) {
  const headers = new Headers(options.headers);
  headers.set('Authorization', basicAuthorization(settings.name, password));
  return fetch(url, { ...options, headers, credentials: 'omit' });
}

// The account first, then the database: some servers answer 401 both for
// a wrong password and for a database the account may not read.
async function check() {
  try {
    const session = await request(`${settings.url}/_session`, { headers: { Accept: 'application/json' } });
    const account = sessionOutcome(session.status, await session.json().catch(() => null));
    if (account !== 'ok') return account;
    const database = await request(`${settings.url}/${encodeURIComponent(settings.database)}`,
      { headers: { Accept: 'application/json' } });
    return databaseOutcome(database.status);
  } catch {
    return 'down';
  }
}

let attempts = 0;
async function connect() {
  stop();
  const attempt = ++attempts;
  say(() => t('Web', 'Connecting to the server\u2026'));
  const outcome = await check();
  // A later attempt (the user pressed Sync again, the network came back)
  // or a sign-out overtook this one.
  if (attempt !== attempts) return;
  if (outcome === 'ok') {
    live();
    return;
  }
  const texts = {
    password: () => t('Web', 'The server refused this account or password. Nothing kept on this device is lost.'),
    missing: () => t('Web', 'The database %1 does not exist on the server. Nothing kept on this device is lost.'),
    refused: () => t('Web', 'The account %2 may not read the database %1. Nothing kept on this device is lost.'),
    down: () => t('Web', 'The server does not answer: it may be stopped, or the address is wrong. Nothing kept on this device is lost; the page tries again every half minute.'),
    server: () => t('Web', 'The server could not be used just now. Nothing kept on this device is lost; the page tries again every half minute.'),
  };
  const { database, name } = settings;
  say(() => texts[outcome]().replace('%1', database).replace('%2', name), true);
  if (outcome === 'down' || outcome === 'server') retry = setTimeout(connect, CHECK_AGAIN);
  if (outcome === 'password') {
    password = '';
    if (settings.remember) keepSettings();
  }
  showProgress();
}

function live() {
  const remote = new host.db.constructor(target(), { skip_setup: true,
    fetch: (url, options) => request(url, options) });
  sides = { push: 'active', pull: 'active' };
  sync = host.db.sync(remote, { live: true, retry: true,
    back_off_function: (wait) => (wait ? Math.min(LONGEST_WAIT, wait * 2) : 1000) });
  const current = sync;
  const side = (name) => (error) => {
    if (sync !== current) return;
    sides[name] = error ? 'failed' : 'idle';
    if (error) {
      say(DROPPED, true);
    } else if (sides.push === 'idle' && sides.pull === 'idle') {
      caughtUp();
    }
  };
  sync.push.on('paused', side('push'));
  sync.pull.on('paused', side('pull'));
  sync.push.on('active', () => { sides.push = 'active'; });
  sync.pull.on('active', () => { sides.pull = 'active'; });
  sync.on('change', (info) => {
    if (info.direction === 'pull') host.refresh();
    showProgress();
  });
  // A password changed on the server ends the replication.
  sync.on('error', (error) => {
    if (sync !== current) return;
    const refused = /unauthori[sz]ed|forbidden/i.test(`${error?.name} ${error?.error}`);
    say(refused ? () => t('Web', 'The server refused this account or password. Nothing kept on this device is lost.')
      : DROPPED, true);
  });
  say(() => t('Web', 'Syncing\u2026'));
}

const DROPPED = () => t('Web', 'The connection to the server dropped. The register keeps working on this device, and its changes go when the server answers again.');

async function caughtUp() {
  const current = sync;
  const info = await host.db.info();
  if (sync !== current || !navigator.onLine) return;
  remember(SYNCED_KEY, { target: target(), at: new Date().toISOString(), seq: info.update_seq });
  say(() => t('Web', 'In step with the server.'));
  showProgress();
}

// `register`: {t, language(), db, refresh(), box}.
export function startSync(register) {
  host = register;
  document.head.append(el('style', {}, syncStyle));
  settings = readSettings();
  password = settings.password ?? '';
  draw();
  document.addEventListener('korvane-language', draw);
  // The device's own changes, counted as they wait to go.
  host.db.changes({ since: 'now', live: true }).on('change', showProgress);
  // Out of signal: said at once, not at the next request. Back in signal:
  // tried now rather than at the next attempt.
  window.addEventListener('offline', () => {
    if (!sync) return;
    stop();
    say(DROPPED, true);
  });
  window.addEventListener('online', () => {
    if (password && settings.url) connect();
  });
  if (!settings.url) {
    say(() => t('Web', 'Not shared: the register is kept on this device only.'));
  } else if (!password) {
    host.box.closest('details').open = true;
    say(() => t('Web', 'Give the account\'s password to sync during this visit.'));
  } else {
    connect();
  }
}
