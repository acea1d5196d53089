// The page: it shows what the core decides and holds no rule of its own.
import { loadCore } from './core.js';
// Made by tools/build_site.py when the site is built: the page's languages
// (English and each of translations/*.ts), the names of a dose's columns
// from the core, and the version.
import { DOSE_COLUMNS, LANGUAGES, VERSION } from 'korvane-site';
import { dropZone, startCellar, translated } from './cellar.js';
import { $, element, oneAtATime, value } from './dom.js';
import { keepText, keptText } from './kept.js';

const LANGUAGE_KEY = 'korvane.language';
const DEFAULTS_KEY = 'korvane.settings.cfg';
// The wine's settings kept with the defaults: apart, so that the defaults'
// settings.cfg keeps the very records the window reads.
const WINE_DEFAULTS_KEY = 'korvane.wine';
const WINE_DEFAULTS = ['regime', 'colour', 'binding_factor'];
// A figure not calculated since the last change: never "0.00", which reads
// as "add nothing".
const NOT_CALCULATED = '—';
const RESULT_IDS = ['existing_molecular', 'so2_requirement', 'molecular_so2_requirement', 'amount',
  'teaspoons', 'so2_added', 'projected_total_so2', 'total_so2_limit'];

let core;
let language = 'en';
let texts = null; // the translations of `language`, in the order of textKeys
// Resolves once `texts` holds the second round of `language` too: the
// core's messages, and the texts that only a cellar file's results show.
let messagesIn = Promise.resolve();
let commaToo = null;
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
// messages of the core and the texts only a cellar file's results show
// (data-core-texts), needed only once the core speaks: a calculation, a
// cellar file, a stored record it refuses. An English page is used before
// any has arrived; another once its own texts of the first round have (the
// parser has gone past them, or past the whole page).
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
// with `messages` the second round's after them; none for English, whose
// texts are the keys' own.
async function textsOf(wanted, messages = false) {
  if (wanted === 'en') return null;
  const own = await round('texts', wanted);
  if (!own || !messages) return own;
  const core = await round('core-texts', wanted);
  return core && own.concat(core);
}

function t(context, english) {
  const translation = texts?.[TEXT_INDEX.get(`${context}|${english}`)];
  return (translation || english).trim().replace(/\r/g, '\n');
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
  // The cellar file's results and the register, once loaded, say
  // themselves again.
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

const NUMBER_FIELDS = ['ph', 'free_so2', 'batch_size', 'solution_pct', 'tablet_g', 'target_free',
  'target_molecular'];
// The wine's own figures: empty when not given, and without arrows.
const WINE_NUMBER_FIELDS = ['total_so2', 'sugar', 'limit', 'binding_factor'];

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
  // Where the comma is the decimal mark, a point typed or pasted as a point
  // may group thousands ("2.250"): remembered, for Calculate to ask which.
  const inserted = event.data ?? event.dataTransfer?.getData('text/plain') ?? '';
  if (inserted.includes('.') && languageWritesComma()) input.dataset.typedPoint = 'yes';
  if (event.inputType !== 'insertText' || event.data == null) return;
  let kept = '';
  for (const c of event.data) {
    // Where the point is the decimal mark a typed comma is kept as it is,
    // never dropped: "22,5" must not become 225. Calculate then refuses the
    // field and says how to write a decimal.
    const code = c === ',' && !languageWritesComma() ? 44
      : core.filterKey(c.codePointAt(0), languageWritesComma());
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

// A point typed or pasted where the comma is the decimal mark, in whole thousands'
// place ("2.250", "1.000"): a number of thousands or a decimal, and only the
// user can say which. The field it stands in, if any.
function typedThousands() {
  return [...NUMBER_FIELDS, ...WINE_NUMBER_FIELDS].find((name) => $(name).dataset.typedPoint
    && inThousandsPlace(value(name)));
}
const inThousandsPlace = (text) => languageWritesComma() && /^\s*[1-9]\d{0,2}(\.\d{3})+\s*$/.test(text);

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

// --- The register -------------------------------------------------------------

// The register comes in a file of its own once the form is usable, so a
// first visit waits for none of it; it starts once the core's messages
// have come too, for its doses and files speak in them.
function loadRegister() {
  Promise.all([import(new URL('register.js', document.baseURI).href), messagesIn])
    .then(([register]) => register.startRegister({ t, language: () => language, core, doseTexts, translated,
      withValue, ask, answeredDose, coreTexts: coreTextsOf, dropZone, inThousandsPlace }))
    .catch((error) => console.error(error));
}

// --- Start -----------------------------------------------------------------------

async function start() {
  for (const span of document.querySelectorAll('span.number')) buildNumberField(span);
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
  const calculateOnce = oneAtATime(calculate);
  $('sheet').addEventListener('submit', (event) => {
    event.preventDefault();
    calculateOnce();
  });
  $('sheet').addEventListener('change', (event) => {
    if (event.target.name === 'method' || event.target.id === 'target_kind') showChoiceState();
    if (event.target.tagName === 'SELECT' || event.target.type === 'radio') inputChanged();
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
  startCellar({ core, t, language: () => language, say, withValue, doseTexts, coreTexts: coreTextsOf, unitText,
    messagesIn: () => messagesIn });
  if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
    // A browser that blocks site data refuses it: the page then simply has no offline copy.
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
  document.body.inert = false;
  document.body.dataset.ready = 'true';
  performance.mark('korvane-ready');
  loadRegister();
}

start();
