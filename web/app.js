// The page: it shows what the core decides and holds no rule of its own.
import { loadCore } from './core.js';
// Made by tools/build_site.py when the site is built: the translations, the
// page's languages (English and each of translations/*.ts), the names of a
// dose's columns from the core, and the version.
import { DOSE_COLUMNS, LANGUAGES, TEXTS, VERSION } from 'korvane-site';

const $ = (id) => document.getElementById(id);
const LANGUAGE_KEY = 'korvane.language';
const DEFAULTS_KEY = 'korvane.settings.cfg';
const ROWS_SHOWN = 300;
const CLEARED = '0.00';

let core;
let language = 'en';
let commaToo = null;
let batchFile = null; // {name, bytes} of the last cellar file
let namedHeaders = {}; // column -> header the user chose

// --- Texts ----------------------------------------------------------------

// TEXTS: {keys: ['context|English', ...], fr: [...], ...}, made at build
// time from the translators' files.
const TEXT_INDEX = new Map(TEXTS.keys.map((k, i) => [k, i]));

function t(context, english) {
  const translated = language !== 'en' && TEXTS[language]?.[TEXT_INDEX.get(`${context}|${english}`)];
  return (translated || english).trim().replace(/\r/g, '\n');
}

const key = (tagged) => tagged.split('|');

// A message about a value is translated by its text with %1, then shows it.
const withValue = (text, value) => (value === undefined ? text : text.replace('%1', value));

function translatePage() {
  document.documentElement.lang = language;
  for (const el of document.querySelectorAll('[data-t]')) {
    el.textContent = withValue(t(...key(el.dataset.t)), el.dataset.tValue);
  }
  for (const el of document.querySelectorAll('[data-t-label]')) {
    el.setAttribute('aria-label', t(...key(el.dataset.tLabel)));
  }
  commaToo = null; // found when a key is first typed
  showChoiceState();
  if (batchFile) runBatch();
}

function chooseLanguage() {
  const stored = localStorage.getItem(LANGUAGE_KEY);
  if (LANGUAGES.includes(stored)) return stored;
  for (const tag of navigator.languages || [navigator.language]) {
    const primary = String(tag).toLowerCase().split('-')[0];
    if (LANGUAGES.includes(primary)) return primary;
  }
  return 'en';
}

// --- Numeric fields ---------------------------------------------------------

// The fields a cellar file's rows may take from the form.
const BATCH_FORM_FIELDS = new Set(['form', 'solution_pct', 'tablet_g', 'target_kind', 'unit', 'target_free',
  'target_molecular']);
const NUMBER_FIELDS = ['ph', 'free_so2', 'batch_size', 'solution_pct', 'tablet_g', 'target_free',
  'target_molecular'];

function element(tag, props = {}, ...children) {
  const el = Object.assign(document.createElement(tag), props);
  el.append(...children);
  return el;
}

// Each numeric field: its label, the text box, − and + beside it, its unit
// and the place for its message.
function buildNumberField(span) {
  const name = span.dataset.field;
  if (span.dataset.label) {
    // Beside its method's option the field needs no caption of its own.
    const className = 'hiddenLabel' in span.dataset ? 'hidden' : 'caption';
    span.append(element('label', { htmlFor: name, className }));
    span.lastChild.dataset.t = span.dataset.label;
  }
  const input = element('input', {
    id: name, type: 'text', inputMode: 'decimal', maxLength: 10, autocomplete: 'off',
    spellcheck: false,
  });
  input.setAttribute('aria-describedby', `${name}-message`);
  if (span.dataset.labelledby) input.setAttribute('aria-labelledby', span.dataset.labelledby);
  const stepper = element('span', { className: 'stepper' });
  stepper.setAttribute('role', 'group');
  stepper.dataset.tLabel = span.dataset.spin;
  // The lower arrow of the window's bar is +1, the upper -1.
  for (const [sign, bar] of [['−', 1], ['+', -1]]) {
    const button = element('button', { type: 'button', className: 'step', tabIndex: -1 }, sign);
    button.addEventListener('click', () => step(input, bar));
    stepper.append(button);
  }
  span.append(input, stepper);
  if (span.dataset.unit) span.append(element('span', { className: 'unit' }, span.dataset.unit));
  // The table of targets keeps its messages below it, where they have room.
  const messages = span.closest('.grid') ? $('grid-messages') : span;
  messages.append(element('span', { id: `${name}-message`, className: 'message', role: 'alert' }));
  input.addEventListener('beforeinput', (event) => filterTyping(input, event));
  input.addEventListener('keydown', (event) => {
    const bar = { ArrowUp: -1, ArrowDown: 1 }[event.key];
    if (bar) {
      event.preventDefault();
      step(input, bar);
    }
  });
  input.addEventListener('input', inputChanged);
}

function step(input, bar) {
  if (input.disabled || input.readOnly) return;
  const stepped = core.spin(input.id, input.value, bar);
  if (stepped !== input.value) {
    input.value = stepped;
    inputChanged();
  }
}

// Where the language writes a decimal comma, a typed comma is the point, as
// the locale says (the window asks its locale the same).
function languageWritesComma() {
  if (commaToo === null) {
    const parts = new Intl.NumberFormat(language).formatToParts(1.5);
    commaToo = parts.find((p) => p.type === 'decimal')?.value === ',';
  }
  return commaToo;
}

// What is typed goes through the core's key filter, character by
// character; what is pasted goes in as it is, as in the window.
function filterTyping(input, event) {
  if (event.inputType !== 'insertText' || event.data == null) return;
  let kept = '';
  for (const c of event.data) {
    const code = core.filterKey(c.codePointAt(0), languageWritesComma());
    if (code !== 0) kept += String.fromCodePoint(code);
  }
  if (kept === event.data) return;
  event.preventDefault();
  const start = input.selectionStart;
  const end = input.selectionEnd;
  kept = kept.slice(0, Math.max(0, input.maxLength - (input.value.length - (end - start))));
  if (!kept) return;
  input.setRangeText(kept, start, end, 'end');
  input.dispatchEvent(new Event('input', { bubbles: true }));
}

// --- The sheet ---------------------------------------------------------------

// With none chosen (a kept method the core no longer has), the first.
const method = () => (document.querySelector('input[name=method]:checked')
  ?? document.querySelector('input[name=method]')).value;
const value = (id) => $(id).value;

// The texts of a dose under the names of its columns: each from the field
// of that name, but the method's option and the target that is typed in.
function doseTexts() {
  const state = core.choiceState(method(), value('target_kind'));
  const own = { method: method(), target: value(state.target_free ? 'target_free' : 'target_molecular') };
  return Object.fromEntries(DOSE_COLUMNS.map((name) => [name, own[name] ?? value(name)]));
}

function clearAmounts() {
  $('amount').value = CLEARED;
  $('teaspoons').value = CLEARED;
}

// Shows a message by its key (and the value its %1 stands for, if any), so
// that a change of language says it again in the new one; an empty message
// clears the place.
function say(place, context, english, value) {
  if (english) place.dataset.t = `${context}|${english}`;
  else delete place.dataset.t;
  if (value !== undefined) place.dataset.tValue = value;
  else delete place.dataset.tValue;
  place.textContent = english ? withValue(t(context, english), value) : '';
}

function clearMessages() {
  for (const el of document.querySelectorAll('#sheet .message')) say(el);
  for (const el of document.querySelectorAll('[aria-invalid]')) el.removeAttribute('aria-invalid');
  say($('status'));
  say($('defaults-status'));
}

function inputChanged() {
  clearAmounts();
  clearMessages();
}

// What the method and the target kind change: which fields are typed in,
// whether teaspoons are shown, the unit of the amount.
function showChoiceState() {
  const state = core.choiceState(method(), value('target_kind'));
  const arrows = (name, enabled) => {
    for (const b of $(name).parentNode.querySelectorAll('button')) b.disabled = !enabled;
  };
  for (const [name, enabled] of [['solution_pct', state.solution], ['tablet_g', state.tablet]]) {
    $(name).disabled = !enabled;
    arrows(name, enabled);
  }
  // The target that is not typed in shows the computed one, to be read.
  for (const name of ['target_free', 'target_molecular']) {
    $(name).readOnly = !state[name];
    $(name).parentNode.classList.toggle('computed', !state[name]);
    arrows(name, state[name]);
  }
  $('teaspoons-box').hidden = !state.teaspoons;
  $('amount_unit').textContent = t('korvane', state.amount_unit);
}

function showMessage(field, message, value) {
  const box = $(field);
  const place = $(`${field}-message`);
  say(place, 'korvane', message, value);
  box.setAttribute('aria-invalid', 'true');
  box.focus();
}

function showFigures(answer) {
  const f = answer.figures;
  $('existing_molecular').value = f.molecular_so2;
  $('target_free').value = f.target_free_so2;
  $('target_molecular').value = f.target_molecular_so2;
  $('so2_requirement').value = f.so2_requirement;
  $('molecular_so2_requirement').value = f.molecular_so2_requirement;
  $('amount').value = f.amount;
  $('amount_unit').textContent = t('korvane', f.amount_unit);
  $('teaspoons').value = f.teaspoons || CLEARED;
  say($('status'), 'korvane', answer.message);
}

// One question in the page's own dialog: Yes or No (Escape is No). The
// answer comes once the dialog has closed and given the focus back.
function ask(text) {
  const dialog = $('question');
  $('question-text').textContent = text;
  let yes = false;
  $('question-yes').onclick = () => {
    yes = true;
    dialog.close();
  };
  $('question-no').onclick = () => dialog.close();
  dialog.showModal();
  $('question-yes').focus();
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => resolve(yes), { once: true });
  });
}

async function calculate() {
  clearMessages();
  let answer = core.calculate(doseTexts(), false);
  if (answer.status === 'question') {
    for (const question of answer.questions) {
      if (!(await ask(t('korvane', question.text)))) {
        clearAmounts();
        $(question.field).focus();
        return;
      }
    }
    answer = core.calculate(doseTexts(), true);
  }
  if (answer.status === 'error') {
    showMessage(answer.field, answer.message_text ?? answer.message, answer.message_value);
    return;
  }
  showFigures(answer);
}

// --- Defaults ------------------------------------------------------------------

function applyDefaults(defaults) {
  if (defaults.form) $('form').value = defaults.form;
  if (defaults.method) $(defaults.method).checked = true;
  if (defaults.unit) $('unit').value = defaults.unit;
  for (const name of ['solution_pct', 'tablet_g', 'batch_size']) $(name).value = defaults[name];
  if (defaults.target_kind) $('target_kind').value = defaults.target_kind;
  showChoiceState();
  clearAmounts();
}

function saveDefaults() {
  clearMessages();
  const answer = core.saveDefaults({ form: value('form'), method: method(), unit: value('unit'),
    solution_pct: value('solution_pct'), tablet_g: value('tablet_g'), batch_size: value('batch_size'),
    target_kind: value('target_kind') });
  if (answer.field) {
    showMessage(answer.field, answer.message);
    return;
  }
  localStorage.setItem(DEFAULTS_KEY, answer.record);
  say($('defaults-status'), 'Web', 'Saved as your defaults.');
}

// --- A cellar file ----------------------------------------------------------------

async function takeFile(file) {
  if (!file) return;
  batchFile = { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) };
  namedHeaders = {};
  runBatch();
}

function runBatch() {
  const options = { sheet: doseTexts(), decimal_mark: value('decimal-mark'),
    answer_yes: $('answer-yes').checked, headers: namedHeaders };
  const answer = core.batch(batchFile.bytes, batchFile.name, options, ROWS_SHOWN);
  $('batch-result').hidden = false;
  $('batch-summary').textContent = answer.problem ?? answer.summary;
  showColumnChoices(answer);
  const download = $('download');
  URL.revokeObjectURL(download.href);
  download.hidden = Boolean(answer.problem);
  if (!answer.problem) {
    download.href = URL.createObjectURL(new Blob([answer.output], { type: 'text/csv' }));
    download.download = batchFile.name.replace(/(\.[^.]*)?$/, (ext) => `-doses${ext || '.csv'}`);
  }
  const rows = answer.rows ?? [];
  $('rows-shown').textContent = answer.counts?.rows > rows.length
    ? t('Web', 'The first %1 rows; the CSV holds them all.').replace('%1', rows.length) : '';
  $('batch-table').tBodies[0].replaceChildren(...rows.map((row) => element('tr', {},
    element('td', {}, String(row.line)), element('td', {}, row.tank),
    element('td', { className: 'figure' }, row.amount ? `${row.amount} ${t('korvane', row.unit)}` : ''),
    element('td', {}, row.status), element('td', {},
      row.message ? withValue(t('korvane', row.message_text ?? row.message), row.message_value) : ''))));
}

// Which header each of a dose's columns is read from; any may be chosen.
function showColumnChoices(answer) {
  const box = $('column-choices');
  box.replaceChildren();
  for (const [column, found] of Object.entries(answer.columns ?? {})) {
    const id = `column-${column}`;
    const select = element('select', { id });
    const current = found ?? (answer.fromForm.includes(column) ? t('Web', 'the form') : '—');
    select.append(element('option', { value: '' }, current));
    for (const header of answer.headers) select.append(element('option', { value: header }, header));
    select.value = namedHeaders[column] ?? '';
    select.addEventListener('change', () => {
      if (select.value) namedHeaders[column] = select.value;
      else delete namedHeaders[column];
      runBatch();
    });
    box.append(element('label', { htmlFor: id }, column), select);
  }
  $('batch-columns').open ||= Boolean(answer.problem);
}

function watchDrops() {
  const drop = $('cellar');
  drop.addEventListener('dragover', (event) => {
    event.preventDefault();
    drop.classList.add('dragging');
  });
  drop.addEventListener('dragleave', () => drop.classList.remove('dragging'));
  drop.addEventListener('drop', (event) => {
    event.preventDefault();
    drop.classList.remove('dragging');
    takeFile(event.dataTransfer.files[0]);
  });
  $('file').addEventListener('change', () => takeFile($('file').files[0]));
  for (const id of ['decimal-mark', 'answer-yes']) {
    $(id).addEventListener('change', () => batchFile && runBatch());
  }
}

// --- Start -----------------------------------------------------------------------

async function start() {
  for (const span of document.querySelectorAll('span.number')) buildNumberField(span);
  core = await loadCore(self.korvaneCompiled);
  // The page's calculation for a script or a test: the very calls it makes.
  window.korvane = core;
  $('version').textContent = `Korvane ${VERSION}`;
  language = chooseLanguage();
  $('language').value = language;
  const opening = core.defaults(null).opening;
  for (const name of NUMBER_FIELDS) $(name).value = opening[name];
  const stored = localStorage.getItem(DEFAULTS_KEY);
  const defaults = core.defaults(stored);
  applyDefaults(defaults);
  translatePage();
  if (defaults.broken) say($('defaults-status'), 'korvane', defaults.message);

  $('sheet').addEventListener('submit', (event) => {
    event.preventDefault();
    calculate();
  });
  $('sheet').addEventListener('change', (event) => {
    if (event.target.name === 'method' || event.target.id === 'target_kind') showChoiceState();
    if (event.target.tagName === 'SELECT' || event.target.type === 'radio') inputChanged();
    // The cellar is run again only for what its rows may take from the form:
    // a large file takes a while, and its pH, SO2 and sizes are its own.
    if (batchFile && (event.target.name === 'method' || BATCH_FORM_FIELDS.has(event.target.id))) {
      runBatch();
    }
  });
  // Leaving the existing SO2 shows its molecular SO2 when that is the target's kind.
  $('free_so2').addEventListener('blur', () => {
    if (core.choiceState(method(), value('target_kind')).target_molecular) {
      $('existing_molecular').value = core.existingMolecular(value('ph'), value('free_so2'));
    }
  });
  $('save-defaults').addEventListener('click', saveDefaults);
  $('restore-defaults').addEventListener('click', () => {
    clearMessages();
    applyDefaults(core.defaults(null));
  });
  $('language').addEventListener('change', () => {
    language = value('language');
    localStorage.setItem(LANGUAGE_KEY, language);
    translatePage();
  });
  watchDrops();
  if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
    navigator.serviceWorker.register('sw.js');
  }
  document.body.dataset.ready = 'true';
  performance.mark('korvane-ready');
}

start();
