// The page: it shows what the core decides and holds no rule of its own.
import { loadCore } from './core.js';
// Made by tools/build_site.py when the site is built: the page's languages
// (English and each of translations/*.ts), the names of a dose's columns
// from the core, and the version.
import { DOSE_COLUMNS, LANGUAGES, VERSION } from 'korvane-site';
import { keepText, keptText } from './kept.js';

const $ = (id) => document.getElementById(id);
const LANGUAGE_KEY = 'korvane.language';
const DEFAULTS_KEY = 'korvane.settings.cfg';
// The wine's settings kept with the defaults: apart, so that the defaults'
// settings.cfg keeps the very records the window reads.
const WINE_DEFAULTS_KEY = 'korvane.wine';
const WINE_DEFAULTS = ['regime', 'colour', 'binding_factor'];
const ROWS_SHOWN = 300;
// A figure not calculated since the last change: never "0.00", which reads
// as "add nothing".
const NOT_CALCULATED = '—';
// The largest file the page takes. Its bytes sit in the browser's memory
// twice (as read, and in the core's), with the CSV written for it beside
// them: in Chromium on a desktop a 200 MB file ran and a 300 MB one (ten
// million rows) exhausted the core's memory; a phone has less, so half.
const LARGEST_FILE = 100_000_000;
const RESULT_IDS = ['existing_molecular', 'so2_requirement', 'molecular_so2_requirement', 'amount',
  'teaspoons', 'so2_added', 'projected_total_so2', 'total_so2_limit'];

let core;
let language = 'en';
let texts = null; // the translations of `language`, in the order of textKeys
// Resolves once `texts` holds the core's messages of `language` too.
let messagesIn = Promise.resolve();
let commaToo = null;
let batchFile = null; // {name, bytes} of the last cellar file
let namedHeaders = {}; // column -> header the user chose
const typedTargets = {}; // a computed target's field -> what it held before

// --- Texts ----------------------------------------------------------------

// ['context|English', ...], made at build time from the translators' files;
// a language's texts are its translations in that order. Each round's are
// read with its first language: an English page needs none of them.
let textKeys = [];
let TEXT_INDEX = new Map();

// The keys and each other language's texts come last in the page, after
// this script, each in an element of its own, in two rounds: every
// language's texts of the page itself (data-texts), then every language's
// messages of the core (data-core-texts), needed only once the core speaks:
// a calculation, a cellar file, a stored record it refuses. An English page
// is used before any has arrived; another once its own texts of the first
// round have (the parser has gone past them, or past the whole page).
function parsed(selector) {
  const holder = () => document.querySelector(selector);
  const done = () => document.readyState !== 'loading' || Boolean(holder()?.nextElementSibling);
  if (done()) return Promise.resolve(holder());
  return new Promise((resolve) => {
    const watch = new MutationObserver(() => {
      if (!done()) return;
      watch.disconnect();
      resolve(holder());
    });
    watch.observe(document.body, { childList: true });
    document.addEventListener('DOMContentLoaded', () => {
      watch.disconnect();
      resolve(holder());
    }, { once: true });
  });
}

// A round's translations of `wanted`, its keys added to textKeys when
// first read: the page's own before the core's, as they stand in the page.
const keysRead = new Set();
async function round(kind, wanted) {
  const holder = await parsed(`script[data-${kind}="${wanted}"]`);
  if (!holder) return null;
  if (!keysRead.has(kind)) {
    keysRead.add(kind);
    textKeys = textKeys.concat(JSON.parse(document.querySelector(`script[data-${kind}="keys"]`).textContent));
    TEXT_INDEX = new Map(textKeys.map((k, i) => [k, i]));
  }
  return JSON.parse(holder.textContent);
}

// The translations of `wanted` in the order of textKeys: its own texts, and
// with `messages` the core's after them; none for English, whose texts are
// the keys' own.
async function textsOf(wanted, messages = false) {
  if (wanted === 'en') return null;
  const own = await round('texts', wanted);
  if (!own || !messages) return own;
  const core = await round('core-texts', wanted);
  return core && own.concat(core);
}

function t(context, english) {
  const translated = texts?.[TEXT_INDEX.get(`${context}|${english}`)];
  return (translated || english).trim().replace(/\r/g, '\n');
}

// The core's texts in the page's language, for the core to tell a limit
// in: {English: translation}.
let coreTexts = null;
function coreTextsOf() {
  coreTexts ??= Object.fromEntries(texts === null ? [] : textKeys
    .map((k, i) => [k, texts[i]]).filter(([k]) => k.startsWith('korvane|'))
    .map(([k, translated]) => [k.slice('korvane|'.length), translated]));
  return coreTexts;
}

const key = (tagged) => tagged.split('|');

// A message about a value is translated by its text with %1, then shows it.
// A message about a value: the value in its place (%1), or after the
// message where it has none, as the core writes it in English.
const withValue = (text, value) => {
  if (value === undefined) return text;
  return text.includes('%1') ? text.replace('%1', value) : `${text.replace(/\.$/, '')}: "${value}".`;
};

function translatePage() {
  document.documentElement.lang = language;
  coreTexts = null;
  for (const el of document.querySelectorAll('[data-t]')) {
    el.textContent = withValue(t(...key(el.dataset.t)), el.dataset.tValue);
  }
  for (const el of document.querySelectorAll('[data-t-label]')) {
    el.setAttribute('aria-label', t(...key(el.dataset.tLabel)));
  }
  commaToo = null; // found when a key is first typed
  showChoiceState();
  // The limit shown is told again in the new language, by the core.
  if (!$('wine-results').hidden && !$('so2_added').classList.contains('not-calculated')) {
    showWine(core.calculate(doseRequest(), true).wine);
  }
  if (batchFile) runBatch();
  // The register, once loaded, says itself again.
  document.dispatchEvent(new Event('korvane-language'));
}

function chooseLanguage() {
  const stored = keptText(LANGUAGE_KEY);
  if (LANGUAGES.includes(stored)) return stored;
  for (const tag of navigator.languages || [navigator.language]) {
    const primary = String(tag).toLowerCase().split('-')[0];
    if (LANGUAGES.includes(primary)) return primary;
  }
  return 'en';
}

// Speaks `wanted` once its texts are here, the core's messages too (a limit
// shown is told again, a cellar file run again); a later choice made
// meanwhile wins.
async function switchLanguage(wanted) {
  const loaded = await textsOf(wanted, true);
  if (value('language') !== wanted) return;
  language = wanted;
  texts = loaded;
  messagesIn = Promise.resolve();
  keepText(LANGUAGE_KEY, language);
  translatePage();
}

// --- Numeric fields ---------------------------------------------------------

// The fields a cellar file's rows may take from the form.
const BATCH_FORM_FIELDS = new Set(['form', 'solution_pct', 'tablet_g', 'target_kind', 'unit', 'target_free',
  'target_molecular', 'regime', 'limit', 'binding_factor']);
const NUMBER_FIELDS = ['ph', 'free_so2', 'batch_size', 'solution_pct', 'tablet_g', 'target_free',
  'target_molecular'];
// The wine's own figures: empty when not given, and without arrows.
const WINE_NUMBER_FIELDS = ['total_so2', 'sugar', 'limit', 'binding_factor'];

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
  // The box, its arrows and its unit stay together on one line; only the
  // caption may take a line of its own above them.
  const field = element('span', { className: 'field' }, input);
  // The wine's figures have no arrows: the window has no steps for them.
  if (span.dataset.spin) {
    const stepper = element('span', { className: 'stepper' });
    stepper.setAttribute('role', 'group');
    stepper.dataset.tLabel = span.dataset.spin;
    // The lower arrow of the window's bar is +1, the upper -1.
    for (const [sign, bar] of [['−', 1], ['+', -1]]) {
      const button = element('button', { type: 'button', className: 'step', tabIndex: -1 }, sign);
      button.addEventListener('click', () => step(input, bar));
      stepper.append(button);
    }
    field.append(stepper);
  }
  if (span.dataset.unit) field.append(element('span', { className: 'unit' }, span.dataset.unit));
  span.append(field);
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
    // Where the point is the decimal mark a typed comma is kept as it is,
    // never dropped: "22,5" must not become 225. Calculate then refuses the
    // field and says how to write a decimal.
    const code = c === ',' && !languageWritesComma() ? 44
      : core.filterKey(c.codePointAt(0), languageWritesComma());
    if (code !== 0) kept += String.fromCodePoint(code);
    // Where the comma is the decimal mark, a point typed as a point may
    // group thousands ("2.250"): remembered, for Calculate to ask which.
    if (c === '.' && languageWritesComma()) input.dataset.typedPoint = 'yes';
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

// A dose as Calculate sends it: its texts, the limit's regime or the user's
// own limit, and the page's language for the core to tell the limit in.
const doseRequest = () => ({ ...doseTexts(), regime: value('regime'), limit: value('limit'),
  texts: coreTextsOf() });

// Every figure of the last calculation, and the target it computed, reads
// "not calculated" until Calculate runs again.
function clearResults() {
  const shown = [...RESULT_IDS.map($), ...['target_free', 'target_molecular'].map($)
    .filter((box) => box.readOnly)];
  for (const box of shown) {
    if (box.readOnly && box.value !== NOT_CALCULATED && !(box.id in typedTargets)) {
      typedTargets[box.id] = box.value;
    }
    box.value = NOT_CALCULATED;
    box.title = t('Web', 'Not calculated');
    box.classList.add('not-calculated');
  }
  $('projected_total_so2').classList.remove('over');
  say($('over-limit'));
  say($('limit-basis'));
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
  clearResults();
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
    // A target typed in again gets back what it held before it was computed.
    if (state[name] && $(name).readOnly && name in typedTargets) {
      $(name).value = typedTargets[name];
      delete typedTargets[name];
    }
    if (state[name] && $(name).value === NOT_CALCULATED) $(name).value = '';
    $(name).readOnly = !state[name];
    $(name).parentNode.classList.toggle('computed', !state[name]);
    arrows(name, state[name]);
  }
  $('teaspoons-box').hidden = !state.teaspoons;
  $('amount_unit').textContent = unitText(state.amount_unit);
}

// A unit as the page shows it: a whole word where the window, short of
// room, abbreviates; the core's own text for the others, named here so that
// they come with the form's texts, which show one from the start.
function unitText(unit) {
  return { tablets: t('Web', 'tablets'), g: t('korvane', 'g'), ml: t('korvane', 'ml') }[unit]
    ?? t('korvane', unit);
}

function showMessage(field, message, value) {
  const box = $(field);
  const place = $(`${field}-message`);
  say(place, 'korvane', message, value);
  if (box.value.includes(',') && !languageWritesComma()) {
    place.textContent += `\n${t('Web', 'Write a decimal with a point, as in 22.5.')}`;
  }
  box.setAttribute('aria-invalid', 'true');
  box.focus();
}

function showFigures(answer) {
  const f = answer.figures;
  for (const box of document.querySelectorAll('.not-calculated')) {
    box.classList.remove('not-calculated');
    box.removeAttribute('title');
  }
  $('existing_molecular').value = f.molecular_so2;
  for (const [name, figure] of [['target_free', f.target_free_so2], ['target_molecular', f.target_molecular_so2]]) {
    if ($(name).readOnly && $(name).value !== NOT_CALCULATED && !(name in typedTargets)) {
      typedTargets[name] = $(name).value;
    }
    $(name).value = figure;
  }
  $('so2_requirement').value = f.so2_requirement;
  $('molecular_so2_requirement').value = f.molecular_so2_requirement;
  $('amount').value = f.amount;
  $('amount_unit').textContent = unitText(f.amount_unit);
  $('teaspoons').value = f.teaspoons || NOT_CALCULATED;
  say($('status'), 'korvane', answer.message);
  showWine(answer.wine);
}

// The SO2 the addition puts in, the total it brings the wine to beside its
// limit, and the total plainly marked when it is over: all the core's.
function showWine(wine) {
  $('wine-results').hidden = !wine;
  if (!wine) return;
  for (const name of ['so2_added', 'projected_total_so2', 'total_so2_limit']) {
    $(name).value = wine[name] || NOT_CALCULATED;
  }
  $('projected_total_so2').classList.toggle('over', wine.over_limit);
  if (wine.over_limit) say($('over-limit'), 'Web', 'Above the legal limit.');
  else say($('over-limit'));
  // What the limit is, in the page's language; a total with no limit to
  // check it against is shown, and said so.
  if (!wine.total_so2_limit && wine.projected_total_so2) {
    say($('limit-basis'), 'Web', 'No legal limit chosen: the total is checked against none.');
  } else if (wine.limit_given) {
    say($('limit-basis'), 'Web', 'Your own limit, which wins over the legal one.');
  } else {
    say($('limit-basis'));
    $('limit-basis').textContent = wine.limit_basis;
  }
}

// The figure a question is about: its name, value and unit. The targets'
// questions are about the level the calculation reaches, which may be the
// computed one; the others about the text the dose was sent.
function questionedFigure(question, answered, request) {
  const figures = answered?.figures;
  if (question.over_limit) {
    return `${t('Web', 'Projected total SO2')} ${answered?.wine?.projected_total_so2 ?? ''} mg/L`;
  }
  const named = {
    'Free SO2 target appears high. Are you sure it is correct?':
      [t('Web', 'Free SO2 target'), figures?.target_free_so2, 'mg/L'],
    'Molecular SO2 target appears high. Are you sure it is correct?':
      [t('Web', 'Molecular SO2 target'), figures?.target_molecular_so2, 'mg/L'],
  }[question.text];
  const [name, figure, unit] = named ?? {
    ph: [t('frmSulfite', 'pH'), request.ph, ''],
    tablet_g: [t('frmSulfite', 'Tablet weight'), request.tablet_g, 'g'],
    solution_pct: [t('frmSulfite', 'Solution percentage'), request.solution_pct, '%'],
    total_so2: [t('Web', 'Total SO2'), request.total_so2, 'mg/L'],
    binding_factor: [t('Web', 'Binding factor'), request.binding_factor, ''],
  }[question.field] ?? [];
  return name ? [name, figure ?? request[question.field], unit].filter(Boolean).join(' ') : '';
}

// One question in the page's own dialog: Yes or No (Escape is No), the
// focus on No so that Enter never says Yes unread. The answer comes once
// the dialog has closed and given the focus back.
function ask(figure, text) {
  const dialog = $('question');
  $('question-figure').textContent = figure;
  $('question-text').textContent = text;
  let yes = false;
  $('question-yes').onclick = () => {
    yes = true;
    dialog.close();
  };
  $('question-no').onclick = () => dialog.close();
  dialog.showModal();
  $('question-no').focus();
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => resolve(yes), { once: true });
  });
}

// A point typed where the comma is the decimal mark, in whole thousands'
// place ("2.250", "1.000"): a number of thousands or a decimal, and only the
// user can say which. The field it stands in, if any.
function typedThousands() {
  return [...NUMBER_FIELDS, ...WINE_NUMBER_FIELDS].find((name) => $(name).dataset.typedPoint
    && /^\s*[1-9]\d{0,2}(\.\d{3})+\s*$/.test(value(name)));
}

// The dose of `request` once every question the core has on it is asked
// in turn and answered Yes; {declined: the question} at the first No. The
// register asks its analyses' questions through this too.
async function answeredDose(request) {
  const answer = core.calculate(request, false);
  if (answer.status !== 'question') return answer;
  // The figures as they would come out, to name the targets questioned.
  const answered = core.calculate(request, true);
  for (const question of answer.questions) {
    // The over-limit question comes composed in the page's language.
    const text = question.over_limit ? question.text : t('korvane', question.text);
    if (!(await ask(questionedFigure(question, answered, request), text))) return { declined: question };
  }
  return answered;
}

async function calculate() {
  await messagesIn;
  clearMessages();
  const thousands = typedThousands();
  if (thousands) {
    say($(`${thousands}-message`), 'Web', '"%1" could be thousands or a decimal: write it without the point, or with a decimal comma.', value(thousands));
    $(thousands).setAttribute('aria-invalid', 'true');
    $(thousands).focus();
    return;
  }
  const answer = await answeredDose(doseRequest());
  if (answer.declined) {
    clearResults();
    $(answer.declined.field).focus();
    return;
  }
  if (answer.status === 'error') {
    showMessage(answer.field, answer.message_text ?? answer.message, answer.message_value);
    return;
  }
  showFigures(answer);
}

// --- Defaults ------------------------------------------------------------------

// The wine's defaults kept apart; what does not read is left out.
function storedWine() {
  try {
    const stored = JSON.parse(keptText(WINE_DEFAULTS_KEY));
    return typeof stored === 'object' && stored ? stored : {};
  } catch {
    return {};
  }
}

function applyDefaults(defaults, wine = {}) {
  for (const name of WINE_DEFAULTS) {
    const kept = typeof wine[name] === 'string' ? wine[name] : '';
    // A list keeps its choice where the kept word is none of its own.
    if ($(name).tagName !== 'SELECT' || [...$(name).options].some((o) => o.value === kept)) {
      $(name).value = kept;
    }
  }
  if (defaults.form) $('form').value = defaults.form;
  if (defaults.method) $(defaults.method).checked = true;
  if (defaults.unit) $('unit').value = defaults.unit;
  for (const name of ['solution_pct', 'tablet_g', 'batch_size']) $(name).value = defaults[name];
  if (defaults.target_kind) $('target_kind').value = defaults.target_kind;
  showChoiceState();
  clearResults();
}

async function saveDefaults() {
  await messagesIn;
  clearMessages();
  const answer = core.saveDefaults({ form: value('form'), method: method(), unit: value('unit'),
    solution_pct: value('solution_pct'), tablet_g: value('tablet_g'), batch_size: value('batch_size'),
    target_kind: value('target_kind') });
  if (answer.field) {
    showMessage(answer.field, answer.message);
    return;
  }
  const wine = JSON.stringify(Object.fromEntries(WINE_DEFAULTS.map((name) => [name, value(name)])));
  if (!keepText(DEFAULTS_KEY, answer.record) || !keepText(WINE_DEFAULTS_KEY, wine)) {
    say($('defaults-status'), 'Web', 'Your defaults were not kept: this browser refuses to store anything for this page.');
    return;
  }
  say($('defaults-status'), 'Web', 'Saved as your defaults.');
}

// --- A cellar file ----------------------------------------------------------------

// A file too large for the page is refused before it is read, with its size.
function refuseLarge(file) {
  const megabytes = (bytes) => Math.ceil(bytes / 1_000_000).toLocaleString(language);
  batchFile = null;
  $('batch-result').hidden = false;
  $('download').hidden = true;
  $('rows-shown').textContent = '';
  $('column-choices').replaceChildren();
  $('batch-table').tBodies[0].replaceChildren();
  $('batch-summary').textContent = t('Web', '%1 is %2 MB, and the page takes files up to %3 MB: run korvane-calc --batch on it.')
    .replace('%1', file.name).replace('%2', megabytes(file.size)).replace('%3', megabytes(LARGEST_FILE));
}

async function takeFile(file) {
  if (!file) return;
  if (file.size > LARGEST_FILE) {
    refuseLarge(file);
    return;
  }
  const bytes = new Uint8Array(await file.arrayBuffer());
  // Its rows speak in the core's messages; until they have come the file
  // is not taken, so nothing runs it before.
  await messagesIn;
  batchFile = { name: file.name, bytes };
  // What was named for another file never stands for this one.
  namedHeaders = {};
  $('file-target-kind').value = '';
  runBatch();
}

function runBatch() {
  const options = { sheet: doseTexts(), regime: value('regime'), limit: value('limit'),
    texts: coreTextsOf(), decimal_mark: value('decimal-mark'), answer_yes: $('answer-yes').checked,
    headers: namedHeaders, file_target_kind: value('file-target-kind') };
  const answer = core.batch(batchFile.bytes, batchFile.name, options, ROWS_SHOWN);
  $('batch-result').hidden = false;
  $('batch-summary').textContent = answer.problem ? translated(answer.problem) : summaryOf(answer);
  // A file that names no unit is read in the form's: said, for the form may
  // still stand at what it started with.
  const unitNote = !answer.problem && (answer.fromForm ?? []).includes('unit');
  $('batch-note').hidden = !unitNote;
  $('batch-note').textContent = unitNote ? t('Web', 'Every row takes the form\'s unit: %1.')
    .replace('%1', $('unit').selectedOptions[0]?.text ?? '') : '';
  // A target column needs its kind: from the file, or named here.
  $('file-target-kind-row').hidden = !(answer.columns?.target && !answer.columns?.target_kind)
    && !value('file-target-kind');
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
  // The wine's three columns where the file or the form gives any of the
  // wine's inputs, as the CSV has them.
  for (const th of document.querySelectorAll('#batch-table .wine-column')) th.hidden = !answer.wine;
  const wineHeads = [...document.querySelectorAll('#batch-table th.wine-column')];
  const wineCells = (row) => (answer.wine ? ['so2_added', 'projected_total_so2', 'total_so2_limit']
    .map((name, i) => {
      const over = name === 'projected_total_so2' && row.over_limit;
      const td = element('td', { className: `figure wine-column${over ? ' over' : ''}` }, row[name]);
      // On a phone, where the table's heads are not above it.
      td.dataset.label = wineHeads[i].textContent;
      return td;
    }) : []);
  $('batch-table').tBodies[0].replaceChildren(...rows.map((row) => element('tr', {},
    element('td', {}, String(row.line)), element('td', {}, row.tank),
    element('td', { className: 'figure' }, row.amount ? `${row.amount} ${unitText(row.unit)}` : ''),
    element('td', {}, statusText(row.status)), ...wineCells(row), element('td', {}, row.message_shown
      ?? (row.message_text ? withValue(t('korvane', row.message_text), row.message_value)
        : translated(row.message))))));
}

// --- The file's results in the page's language ----------------------------------------

// The statuses of a row and the columns of a dose, as the page says them;
// the CSV keeps the machine's words, so that korvane-calc reads it back.
function statusText(status) {
  return {
    ok: t('Web', 'ok'), no_addition: t('Web', 'no addition'), question: t('Web', 'question'),
    error: t('Web', 'error'), blank: t('Web', 'blank'),
  }[status] ?? status;
}

function columnText(column) {
  return {
    ph: t('frmSulfite', 'pH'), free_so2: t('Web', 'Free SO2'), batch_size: t('frmSulfite', 'Batch Size'),
    unit: t('Web', 'Unit'), form: t('frmSulfite', 'Sulphite source'), method: t('Web', 'Addition method'),
    solution_pct: t('frmSulfite', 'Solution percentage'), tablet_g: t('frmSulfite', 'Tablet weight'),
    target_kind: t('Web', 'Target kind'), target: t('frmSulfite', 'Target'),
    total_so2: t('Web', 'Total SO2'), colour: t('Web', 'Colour'), sugar: t('Web', 'Sugar'),
    style: t('Web', 'Style'), binding_factor: t('Web', 'Binding factor'),
  }[column] ?? column;
}

// The summary from the counts: the core's own text in English, which is
// korvane-calc's; in another language made of the translators' texts.
function summaryOf(answer) {
  if (language === 'en') return answer.summary;
  const c = answer.counts;
  let text = t('Web', 'Rows: %1. ok: %2, no addition: %3, questions: %4, errors: %5, blank: %6.')
    .replace(/%(\d)/g, (_, n) => [c.rows, c.ok, c.no_addition, c.question, c.error, c.blank][n - 1]);
  const lines = answer.uncalculated ?? [];
  if (lines.length) {
    const more = c.error + c.question - lines.length;
    text += ` ${t('Web', 'Not calculated, by line: %1.').replace('%1', lines.join(', '))}`;
    if (more > 0) text += ` ${t('Web', 'And %1 more.').replace('%1', more)}`;
  }
  if (answer.windows1252) text += ` ${t('Web', 'The file is not UTF-8: it was read as Windows-1252.')}`;
  return text;
}

// The core's messages composed with values of the file, as templates: %1,
// %2... stand for what the core put in. `t` is the page's, or none (the
// English templates themselves).
function messageTemplates(t) {
  return [
    t('Web', '%1 "%2" could be %3 or %4: say which decimal mark the file uses.'),
    t('Web', '%1 "%2" sets its thousands apart in groups that are not whole.'),
    t('Web', '%1 has a target column but no target_kind column: add one, or choose the kind of the file\'s targets in the list below.'),
    t('Web', 'Line %1 opens a quote that never closes. Close the quote, then run the batch again.'),
    t('Web', 'Line %1 opens a quote that never closes: the 1 line after it would be read as one field. Close the quote, then run the batch again.'),
    t('Web', 'Line %1 opens a quote that never closes: the %2 lines after it would be read as one field. Close the quote, then run the batch again.'),
    t('Web', 'Line %1 holds a byte that is not UTF-8, though the file begins as UTF-8: save it as UTF-8 (or as Unicode text), then run the batch again.'),
    t('Web', 'Line %1 writes %2 with the comma as its decimal mark, but line %3 writes %4 with the point: the file mixes decimal marks. Correct it, then run the batch again.'),
    t('Web', 'Line %1 writes %2 with the point as its decimal mark, but line %3 writes %4 with the comma: the file mixes decimal marks. Correct it, then run the batch again.'),
  ];
}

let templateMatchers = null;

// A message of the core in the page's language: a fixed text by its key, a
// composed one by the template it was made from; else as the core wrote it.
function translated(message) {
  if (!message) return '';
  if (TEXT_INDEX.has(`korvane|${message}`)) return t('korvane', message);
  templateMatchers ??= messageTemplates((context, english) => english).map((english) => {
    const parts = english.split(/%\d/).map((part) => part.replace(/[.*+?^${}()|[\]\\]/g, '\\$&'));
    return new RegExp(`^${parts.join('(.+?)')}$`, 's');
  });
  const ours = messageTemplates(t);
  for (const [i, matcher] of templateMatchers.entries()) {
    const found = matcher.exec(message);
    if (found) return ours[i].replace(/%(\d)/g, (_, n) => found[n]);
  }
  return message;
}

// Which header each of a dose's columns is read from; any may be chosen.
function showColumnChoices(answer) {
  const box = $('column-choices');
  box.replaceChildren();
  for (const [column, found] of Object.entries(answer.columns ?? {})) {
    const id = `column-${column}`;
    const select = element('select', { id });
    // The kind named for the file's targets is the user's, not the form's.
    const named = column === 'target_kind' && value('file-target-kind')
      ? $('file-target-kind').selectedOptions[0].textContent : null;
    const current = found ?? named ?? (answer.fromForm.includes(column) ? t('Web', 'the form') : '—');
    select.append(element('option', { value: '' }, current));
    for (const header of answer.headers) select.append(element('option', { value: header }, header));
    select.value = namedHeaders[column] ?? '';
    select.addEventListener('change', () => {
      if (select.value) namedHeaders[column] = select.value;
      else delete namedHeaders[column];
      runBatch();
    });
    box.append(element('label', { htmlFor: id }, `${columnText(column)} (${column})`), select);
  }
  $('batch-columns').open ||= Boolean(answer.problem);
}

// A place a file may be dropped on, marked while one is dragged over it;
// the register's files take the same.
function dropZone(drop, take) {
  drop.addEventListener('dragover', (event) => {
    event.preventDefault();
    drop.classList.add('dragging');
  });
  drop.addEventListener('dragleave', () => drop.classList.remove('dragging'));
  drop.addEventListener('drop', (event) => {
    event.preventDefault();
    drop.classList.remove('dragging');
    take(event.dataTransfer.files[0]);
  });
}

function watchDrops() {
  dropZone($('cellar'), takeFile);
  $('file').addEventListener('change', () => takeFile($('file').files[0]));
  for (const id of ['decimal-mark', 'answer-yes', 'file-target-kind']) {
    $(id).addEventListener('change', () => batchFile && runBatch());
  }
}

// --- The register -------------------------------------------------------------

// The register comes in a file of its own once the form is usable, so a
// first visit waits for none of it; it starts once the core's messages
// have come too, for its doses and files speak in them.
function loadRegister() {
  Promise.all([import(new URL('register.js', document.baseURI).href), messagesIn])
    .then(([register]) => register.startRegister({ t, language: () => language, core, doseTexts, translated,
      withValue, ask, answeredDose, coreTexts: coreTextsOf, dropZone }))
    .catch((error) => console.error(error));
}

// --- Start -----------------------------------------------------------------------

async function start() {
  for (const span of document.querySelectorAll('span.number')) buildNumberField(span);
  // The kinds a file's targets may be named in: the form's own list.
  for (const option of $('target_kind').options) $('file-target-kind').append(option.cloneNode(true));
  language = chooseLanguage();
  [core, texts] = await Promise.all([loadCore(self.korvaneCompiled), textsOf(language)]);
  // The page's calculation for a script or a test: the very calls it makes.
  window.korvane = core;
  $('version').textContent = `Korvane ${VERSION}`;
  $('language').value = language;
  const opening = core.defaults(null).opening;
  for (const name of NUMBER_FIELDS) $(name).value = opening[name];
  const stored = keptText(DEFAULTS_KEY);
  const defaults = core.defaults(stored);
  applyDefaults(defaults, storedWine());
  translatePage();
  // The core's messages come after every language's texts of the form: the
  // form is used meanwhile, and what needs them waits for messagesIn.
  const started = language;
  messagesIn = textsOf(language, true).then((loaded) => {
    if (language !== started || !loaded) return;
    texts = loaded;
    coreTexts = null;
  });
  if (defaults.broken) messagesIn.then(() => say($('defaults-status'), 'korvane', defaults.message));

  // Calculate pressed again while it waits for the core's messages runs once.
  let calculating = null;
  $('sheet').addEventListener('submit', (event) => {
    event.preventDefault();
    calculating ??= calculate().finally(() => { calculating = null; });
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
  // A figure of the form the rows take, typed or stepped, runs the cellar
  // again once the typing pauses; until then nothing stale may be saved.
  let batchTimer = null;
  $('sheet').addEventListener('input', (event) => {
    if (batchFile && BATCH_FORM_FIELDS.has(event.target.id)) {
      $('download').hidden = true;
      clearTimeout(batchTimer);
      batchTimer = setTimeout(() => { if (batchFile) runBatch(); }, 300);
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
  $('language').addEventListener('change', () => switchLanguage(value('language')));
  watchDrops();
  if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
    // A browser that blocks site data refuses it: the page then simply has no offline copy.
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
  document.body.dataset.ready = 'true';
  performance.mark('korvane-ready');
  loadRegister();
}

start();
