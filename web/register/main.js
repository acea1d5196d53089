// The cellar's register: tanks, their analyses, the additions planned and
// done, a plot per tank and the day's work order. Loaded by the page once its
// form is usable; every dose comes from the core through the page's batch,
// exactly as a dropped cellar file's row would.
import TEXTS from 'korvane-register-texts';
import uPlot from 'uplot';
import uPlotStyle from 'uplot/dist/uPlot.min.css';
import registerStyle from './register.css';
import {
  additionsCsv, CELLAR_COLUMNS, cellarCsv, cellarRow, parseCsv, pointNumber, practicalAmount, recordId,
  tankId, tankKey, tankState,
} from './records.js';
import { failureKind, openStore } from './store.js';
import { differingFields, DOSE_FIELDS, latestVersion, resolution, SYNC_KEY } from './sharing.js';
import { $, element as el, oneAtATime } from '../dom.js';
import { keepText, keptText } from '../kept.js';

const WHO_KEY = 'korvane.register.who';
const TANK_KEY = 'korvane.register.tank';
// What the tank list showed last, drawn at once on the next visit while the
// database opens (IndexedDB takes a good part of the opening's time), and
// replaced by the database's answer: names and flags only, never a record.
const LIST_KEY = 'korvane.register.list';
const TANK_FIELDS = ['name', 'volume', 'unit', 'colour', 'style', 'regime', 'limit', 'binding_factor',
  'target_kind', 'target', 'form', 'method', 'solution_pct', 'tablet_g', 'notes'];
const ANALYSIS_FIELDS = ['at', 'ph', 'free_so2', 'total_so2', 'sugar', 'who', 'note'];
// The form's figures a question may name that the register keeps on the tank.
const TANK_FIELD_OF = { batch_size: 'volume', target_free: 'target', target_molecular: 'target' };

let ctx; // what the page lends: t, core, its form's texts, its dialog
let store = null;
let tanks = []; // every tank document, by name
let records = new Map(); // tank id -> its plans and done records
let analysesOf = new Map(); // tank id -> its analyses, for the tanks read so far
let states = new Map(); // tank id -> tankState() of what is read of it
let versions = new Map(); // tank id -> its versions edited apart on two devices
let listed = []; // what the tank list shows: {id, name, retired, flagged}, the database's or the last visit's
let chosen = keptText(TANK_KEY) ?? '';
let dose = null; // the dose last worked out for the chosen tank
let plot = null;

// The register's own texts come with it ({keys: ['context|English', ...],
// fr: [...], ...}), not in the page a first visit waits for; the page's
// for the rest.
const TEXT_INDEX = new Map(TEXTS.keys.map((k, i) => [k, i]));
function t(context, english) {
  const i = TEXT_INDEX.get(`${context}|${english}`);
  if (i === undefined) return ctx.t(context, english);
  return (TEXTS[ctx.language()]?.[i] || english).trim().replace(/\r/g, '\n');
}


// --- Saying what happened ------------------------------------------------------

function status(text, failed = false) {
  const place = $('reg-status');
  place.textContent = text;
  place.classList.toggle('failed', failed);
}

// A write that failed: said plainly, and what was typed stays in its form.
function failed(error) {
  const kind = failureKind(error);
  status(kind === 'full'
    ? t('Web', 'The device\'s storage is full: this record was not kept. Everything kept before is still there; free some space and save again.')
    : kind === 'refused'
      ? t('Web', 'The browser refuses to keep the register (private browsing, or storage turned off): nothing can be kept on this device.')
      : `${t('Web', 'This record was not kept.')} ${error?.message ?? ''}`, true);
}

async function keep(doc) {
  try {
    await store.put(doc);
    return true;
  } catch (error) {
    failed(error);
    return false;
  }
}

// --- Reading the register ------------------------------------------------------

// A tank edited on two devices while apart: the version edited last is
// shown, and the others are kept beside it until the user keeps one.
async function shownVersion(tank) {
  if (!tank._conflicts?.length) return tank;
  const others = await Promise.all(tank._conflicts.map((rev) => store.db.get(tank._id, { rev }).catch(() => null)));
  const all = [tank, ...others.filter(Boolean)];
  versions.set(tank._id, all);
  return { ...latestVersion(all), _conflicts: tank._conflicts };
}

// The tanks, and every plan and done record: what the tank list and the
// work order need. A tank's analyses, by far the most records, are read
// when the tank is shown, so that a large register opens at once. The
// tanks are read alone first: read beside thousands of plans, their few
// hundred come only when the plans have.
async function load(tanksRead = () => {}) {
  versions = new Map();
  tanks = (await Promise.all((await store.range('tank:')).filter((d) => d.type === 'tank').map(shownVersion)))
    .sort((a, b) => a.name.localeCompare(b.name));
  records = new Map(tanks.map((tank) => [tank._id, []]));
  analysesOf = new Map();
  computeStates();
  tanksRead();
  const [plans, done] = await Promise.all(['plan:', 'done:'].map((prefix) => store.range(prefix)));
  for (const doc of [...plans, ...done]) records.get(doc.tank)?.push(doc);
  computeStates();
  try {
    keepText(LIST_KEY, JSON.stringify(listed));
  } catch {
    // Storage full: the next visit draws its list from the database alone.
  }
}

function computeStates() {
  states = new Map(tanks.map((tank) => [tank._id,
    tankState([...records.get(tank._id), ...(analysesOf.get(tank._id) ?? [])])]));
  listed = tanks.map((tank) => ({ id: tank._id, name: tank.name, retired: Boolean(tank.retired),
    flagged: flagsOf(states.get(tank._id)) || Boolean(tank._conflicts?.length) }));
}

// The last visit's list, or null when there is none (or it is unreadable).
function lastListed() {
  try {
    const list = JSON.parse(keptText(LIST_KEY));
    return Array.isArray(list) && list.every((entry) => typeof entry?.id === 'string'
      && typeof entry.name === 'string') ? list : null;
  } catch {
    return null;
  }
}

async function ensureAnalyses(ids) {
  const missing = [...new Set(ids)].filter((id) => records.has(id) && !analysesOf.has(id));
  const found = await Promise.all(missing.map((id) => store.range(`analysis:${tankKey(id)}:`)));
  missing.forEach((id, i) => analysesOf.set(id, found[i]));
  if (missing.length) computeStates();
}

// The tanks in the cellar: a retired tank's planned additions, made before
// it was emptied, are no longer to be made, so no work order holds them.
const working = () => tanks.filter((tank) => !tank.retired);

// The tanks with an addition planned for `day`: the work order's.
const plannedOn = (day) => working().filter((tank) => states.get(tank._id).plans
  .some((plan) => plan.day === day)).map((tank) => tank._id);

// Whether a tank's records need someone to look at them.
const flagsOf = (state) => state.doubled.length + state.madeWithdrawn.length + state.stale.length > 0;

const tankOf = (id) => tanks.find((tank) => tank._id === id) ?? null;
const optionText = (id, word) => [...($(id)?.options ?? [])].find((o) => o.value === word)?.textContent ?? word ?? '';
const methodText = (word) => document.querySelector(`label[for="${word}"]`)?.textContent ?? word;
// Whole words, as the form writes them: the window's short ones are for its
// narrow boxes.
const unitText = (unit) => ({ kg: 'kg', L: 'L', tablets: t('Web', 'tablets') }[unit] ?? t('korvane', unit));
const fixed = (value, digits) => Number(value).toLocaleString(ctx.language(),
  { minimumFractionDigits: digits, maximumFractionDigits: digits });
const figure = (text) => (text === '' || text === null || text === undefined ? '—'
  : Number(text).toLocaleString(ctx.language(), { maximumFractionDigits: 2 }));
const localTime = (iso) => new Date(iso).toLocaleString(ctx.language(), { dateStyle: 'short', timeStyle: 'short' });
const today = () => localDay(new Date());
function localDay(date) {
  const shifted = new Date(date.getTime() - date.getTimezoneOffset() * 60000);
  return shifted.toISOString().slice(0, 10);
}
const nowForInput = () => {
  const now = new Date();
  return new Date(now.getTime() - now.getTimezoneOffset() * 60000).toISOString().slice(0, 16);
};

// --- The dose, from the core --------------------------------------------------

// The tank's dose on its latest analysis, through the page's batch: a
// one-row cellar file of the tank, with its regime or limit as the batch's
// options. `total`: the wine's total SO2 now (additions since included).
// Answers the batch's row: figures under their column names, with the
// status and message, or null when the tank has no analysis.
function workOutDose(tank, analysis, total, answerYes = false) {
  if (!analysis) return null;
  const bytes = new TextEncoder().encode(cellarCsv([cellarRow(tank, analysis, total)]));
  const options = { sheet: tankSheet(), decimal_mark: 'point', answer_yes: answerYes, headers: {},
    regime: tank.regime || '', limit: tank.limit || '', texts: ctx.coreTexts() };
  const answer = ctx.core.batch(bytes, 'register.csv', options, 1);
  if (answer.problem) return { status: 'error', message: ctx.translated(answer.problem) };
  const [head, row] = parseCsv(new TextDecoder().decode(answer.output));
  const figures = Object.fromEntries(head.map((name, i) => [name, row?.[i] ?? '']));
  figures.message_shown = coreMessage(answer.rows[0] ?? {});
  return figures;
}

// The form's texts for what a tank leaves empty: the tank's own wine
// figures only, never the form's.
const tankSheet = () => ({ ...ctx.doseTexts(), total_so2: '', colour: '', sugar: '', style: '', binding_factor: '' });

// A row's or a dose's message in the page's language: as the core told it
// with the page's texts, else by its text (and value).
const coreMessage = (said) => said.message_shown ?? (said.message_text
  ? ctx.withValue(t('korvane', said.message_text), said.message_value) : ctx.translated(said.message));

// The same dose as a single calculation takes it, which the page asks the
// questions of as its form asks them. A figure the tank leaves empty stays
// empty, as in its cellar row: never the form's, which would let a tank
// without a target be saved and then refuse every analysis.
function doseRequest(tank, analysis, total) {
  const row = cellarRow(tank, analysis, total);
  return { ...Object.fromEntries(CELLAR_COLUMNS.slice(1).map((name, i) => [name, row[i + 1]])),
    regime: tank.regime || '', limit: tank.limit || '', texts: ctx.coreTexts() };
}

// An analysis's questions count as answered only where a person answered
// them Yes as it was entered, and only for the tank as it then stood.
const answeredBy = (tank, analysis) => analysis.answered === true && !(tank.edited > analysis.entered);

// The first of a tank's figures the core refuses, checked on a dose of a
// plain wine with no SO2 yet: its field and message, or null. Not on its
// latest analysis: a free SO2 just under the target makes an amount too
// small to weigh, which is that analysis's to say, not the tank's.
const PLAIN_WINE = { ph: '3.5', free_so2: '0' };
function refusedFigure(tank) {
  const answer = ctx.core.calculate(doseRequest(tank, PLAIN_WINE, ''), true);
  const field = TANK_FIELD_OF[answer.field] ?? answer.field;
  return answer.status === 'error' && TANK_FIELDS.includes(field) ? { field, message: coreMessage(answer) } : null;
}

// Whether the core refuses only the dose of a tank's analysis, no figure of
// either: an amount too small to weigh, when the free SO2 is just under the
// target. Such an analysis is kept, and its dose says why there is none;
// one the core refuses for a figure is not.
const ANALYSIS_FIGURES = new Set(['ph', 'free_so2', 'total_so2', 'sugar']);
function doseAloneRefused(tank, analysis, total = analysis.total_so2) {
  const answer = ctx.core.calculate(doseRequest(tank, analysis, total), true);
  return answer.status === 'error' && !ANALYSIS_FIGURES.has(answer.field) && !refusedFigure(tank);
}

// --- Drawing ---------------------------------------------------------------

function labelled(id, caption, input) {
  input.id = id;
  return el('div', { className: 'reg-field' }, el('label', { htmlFor: id }, caption), input);
}
const textInput = (props = {}) => el('input', { type: 'text', autocomplete: 'off', ...props });
const numberInput = () => textInput({ inputMode: 'decimal', maxLength: 10, spellcheck: false });
function select(choices) {
  const box = el('select');
  for (const [value, text] of choices) box.append(el('option', { value }, text));
  return box;
}
// One of the page's own lists (the core's words with the page's texts).
const pageChoices = (id) => [...$(id).options].map((o) => [o.value, o.textContent]);
// Every language but English is spoken where cellars count in hectolitres
// and litres: those come first in a tank's units there.
const metricFirst = () => ctx.language() !== 'en';
const METRIC = ['hl', 'litres'];
const inCellarOrder = (units) => (metricFirst()
  ? [...METRIC.map((metric) => units.find(([word]) => word === metric)), ...units.filter(([word]) => !METRIC.includes(word))]
  : units);

function skeleton() {
  const body = $('register-body');
  const values = Object.fromEntries([...body.querySelectorAll('input,select,textarea')]
    .filter((input) => input.id && input.type !== 'file').map((input) => [input.id,
      input.type === 'checkbox' ? input.checked : input.value]));
  const tankPicker = select([]);
  body.replaceChildren(
    el('div', { className: 'reg-bar' },
      labelled('reg-tank', t('Web', 'Tank'), tankPicker),
      el('button', { type: 'button', id: 'reg-new-tank' }, t('Web', 'New tank')),
      el('span', { className: 'check' }, el('input', { type: 'checkbox', id: 'reg-show-retired' }),
        el('label', { htmlFor: 'reg-show-retired' }, t('Web', 'Show retired tanks')))),
    el('p', { id: 'reg-status', className: 'status', role: 'status' }),
    el('div', { id: 'reg-tank-view', hidden: true },
      tankForm(),
      el('p', { id: 'reg-flags', className: 'reg-flags', role: 'alert' }),
      el('div', { id: 'reg-versions' }),
      el('div', { id: 'reg-summary', className: 'reg-summary' }),
      analysisForm(),
      el('div', { id: 'reg-dose', className: 'reg-dose', hidden: true }),
      el('figure', { className: 'reg-plot' },
        el('div', { id: 'reg-plot' }),
        el('figcaption', { id: 'reg-plot-caption' })),
      el('h3', { id: 'reg-history-title' }, t('Web', 'History')),
      el('div', { className: 'table-box', tabIndex: 0, role: 'region' },
        el('table', { id: 'reg-history' },
          el('thead', {}, el('tr', {}, ...[t('Web', 'Date'), t('Web', 'Record'), t('Web', 'Figures'),
            t('Web', 'Who'), t('Web', 'Done')].map((h) => el('th', { scope: 'col' }, h)))),
          el('tbody')))),
    workOrder(),
    files(),
  );
  body.querySelector('.table-box').setAttribute('aria-labelledby', 'reg-history-title');
  for (const [id, value] of Object.entries(values)) {
    const input = $(id);
    if (!input) continue;
    if (input.type === 'checkbox') input.checked = value;
    else input.value = value;
  }
  if (!$('reg-day').value) $('reg-day').value = today();
  if (!$('reg-at').value) $('reg-at').value = nowForInput();
  wire();
}

function tankForm() {
  const regimes = [['', t('Web', 'None')], ['eu', t('Web', 'European Union')], ['eu-organic', t('Web', 'EU organic')],
    ['us', t('Web', 'United States')], ['au', t('Web', 'Australia')], ['oiv', t('Web', 'OIV')]];
  const colours = [['', t('Web', 'Not given')], ['red', t('Web', 'Red')], ['white', t('Web', 'White')],
    ['rosé', t('Web', 'Ros\u00e9')]];
  const styles = [['', t('Web', 'Not given')], ['still', t('Web', 'Still')],
    ['quality-sparkling', t('Web', 'Quality sparkling')], ['sparkling', t('Web', 'Sparkling')],
    ['liqueur', t('Web', 'Liqueur')]];
  const methods = [...document.querySelectorAll('input[name=method]')].map((b) => [b.value, methodText(b.value)]);
  const notes = el('textarea', { rows: 2 });
  return el('details', { id: 'reg-details' },
    el('summary', {}, t('Web', 'Tank details')),
    el('form', { id: 'reg-tank-form', className: 'reg-grid', noValidate: true, autocomplete: 'off' },
      labelled('reg-name', t('Web', 'Name'), textInput({ maxLength: 80 })),
      labelled('reg-volume', t('Web', 'Volume'), numberInput()),
      labelled('reg-unit', t('Web', 'Unit'), select(inCellarOrder(pageChoices('unit')))),
      labelled('reg-colour', t('Web', 'Colour'), select(colours)),
      labelled('reg-style', t('Web', 'Style'), select(styles)),
      labelled('reg-regime', t('Web', 'Regime'), select(regimes)),
      labelled('reg-limit', t('Web', 'Own limit (mg/L)'), numberInput()),
      labelled('reg-binding_factor', t('Web', 'Binding factor'), numberInput()),
      labelled('reg-target_kind', t('Web', 'Target kind'), select(pageChoices('target_kind'))),
      labelled('reg-target', t('Web', 'Target (mg/L)'), numberInput()),
      labelled('reg-form', t('frmSulfite', 'Sulphite source'), select(pageChoices('form'))),
      labelled('reg-method', t('Web', 'Addition method'), select(methods)),
      labelled('reg-solution_pct', t('frmSulfite', 'Solution percentage'), numberInput()),
      labelled('reg-tablet_g', t('frmSulfite', 'Tablet weight'), numberInput()),
      labelled('reg-notes', t('Web', 'Notes'), notes),
      el('span', { className: 'check' }, el('input', { type: 'checkbox', id: 'reg-retired' }),
        el('label', { htmlFor: 'reg-retired' }, t('Web', 'Retired'))),
      el('p', { id: 'reg-tank-message', className: 'message', role: 'alert' }),
      el('button', { type: 'submit', id: 'reg-save-tank', className: 'primary' }, t('Web', 'Save the tank'))));
}

function analysisForm() {
  return el('form', { id: 'reg-analysis-form', className: 'reg-grid', noValidate: true, autocomplete: 'off' },
    el('h3', { className: 'reg-wide' }, t('Web', 'Analysis')),
    labelled('reg-at', t('Web', 'Date and time'), el('input', { type: 'datetime-local' })),
    labelled('reg-ph', t('frmSulfite', 'pH'), numberInput()),
    labelled('reg-free_so2', t('Web', 'Free SO2 (mg/L)'), numberInput()),
    labelled('reg-total_so2', t('Web', 'Total SO2 (mg/L, optional)'), numberInput()),
    labelled('reg-sugar', t('Web', 'Sugar (g/L, optional)'), numberInput()),
    labelled('reg-who', t('Web', 'Who'), textInput({ maxLength: 40, value: keptText(WHO_KEY) ?? '' })),
    labelled('reg-note', t('Web', 'Note'), textInput({ maxLength: 200 })),
    el('input', { type: 'hidden', id: 'reg-replaces' }),
    el('p', { id: 'reg-analysis-message', className: 'message reg-wide', role: 'alert' }),
    el('button', { type: 'submit', id: 'reg-save-analysis', className: 'primary reg-wide' },
      t('Web', 'Save the analysis and work out the dose')));
}

function workOrder() {
  return el('section', { id: 'work-order', className: 'work-order' },
    el('h3', { id: 'work-order-title' }, t('Web', 'Work order')),
    el('div', { className: 'reg-bar no-print' },
      labelled('reg-day', t('Web', 'Day'), el('input', { type: 'date' })),
      el('button', { type: 'button', id: 'reg-print' }, t('Web', 'Print the work order'))),
    el('p', { id: 'work-order-day', className: 'print-only' }),
    el('div', { className: 'table-box', tabIndex: 0, role: 'region' },
      el('table', { id: 'work-order-table' },
        el('thead', {}, el('tr', {}, ...[t('Web', 'Tank'), t('Web', 'Volume'), t('Web', 'Product'),
          t('Web', 'Amount'), t('Web', 'SO2 added (mg/L)'), t('Web', 'Total SO2 after (mg/L)'),
          t('Web', 'Done'), t('Web', 'Initials')].map((h) => el('th', { scope: 'col' }, h)))),
        el('tbody'))),
    el('p', { id: 'work-order-empty', className: 'note no-print' }));
}

function files() {
  const fileButton = (id, caption, accept) => el('span', {},
    el('label', { htmlFor: id, className: 'button' }, caption),
    el('input', { type: 'file', id, accept, className: 'hidden-file' }));
  return el('div', { className: 'reg-files no-print', id: 'reg-files' },
    el('h3', {}, t('Web', 'Files')),
    el('p', { className: 'note' }, t('Web', 'Drop a cellar file here to add its tanks to the register, each with its row as an analysis.')),
    el('div', { className: 'reg-bar' },
      fileButton('reg-cellar-file', t('Web', 'Take tanks from a cellar file'), '.csv,.txt,.tsv,text/csv,text/plain'),
      el('button', { type: 'button', id: 'reg-export' }, t('Web', 'Export the tanks (cellar CSV)')),
      el('button', { type: 'button', id: 'reg-export-additions' }, t('Web', 'Export the additions (CSV)')),
      el('button', { type: 'button', id: 'reg-backup' }, t('Web', 'Back up the register')),
      fileButton('reg-restore', t('Web', 'Restore a backup'), '.json,application/json')));
}

// --- Showing the register -----------------------------------------------------------

function showTankList() {
  const retiredToo = $('reg-show-retired').checked;
  const picker = $('reg-tank');
  picker.replaceChildren(el('option', { value: '' }, listed.length ? t('Web', 'Choose a tank') : t('Web', 'No tank yet')));
  for (const tank of listed) {
    if (tank.retired && !retiredToo && tank.id !== chosen) continue;
    picker.append(el('option', { value: tank.id },
      `${tank.name}${tank.retired ? ` (${t('Web', 'retired')})` : ''}${tank.flagged ? ' ⚠' : ''}`));
  }
  picker.value = listed.some((tank) => tank.id === chosen) ? chosen : '';
}

function showTank() {
  const tank = tankOf(chosen);
  $('reg-tank-view').hidden = !tank && !$('reg-tank-view').dataset.creating;
  if (!tank) return;
  delete $('reg-tank-view').dataset.creating;
  $('reg-tank-view').dataset.tank = tank._id;
  // A word a file gave before the register learnt its lists' own shows as
  // one of them, so a save does not drop it.
  for (const name of TANK_FIELDS) $(`reg-${name}`).value = ctx.core.choiceWord(name, tank[name] ?? '') || (tank[name] ?? '');
  $('reg-retired').checked = Boolean(tank.retired);
  const state = states.get(tank._id);
  const flags = [];
  if (state.doubled.length) flags.push(t('Web', 'An addition of this tank was recorded as done twice (two devices, or one offline): both count in its total until one is withdrawn in the history below.'));
  if (tank._conflicts?.length) flags.push(t('Web', 'This tank\'s details were changed on two devices while apart: the version edited last is shown. Look at the others below and keep the right one.'));
  if (state.madeWithdrawn.length) flags.push(t('Web', 'An addition withdrawn on one device was recorded as done on another: it was made, so it counts in the total. Look at the history below before planning another.'));
  if (state.stale.length) flags.push(t('Web', 'An addition was planned on an analysis corrected since: it is left off the work order. Withdraw it in the history below, and plan again from the new dose.'));
  $('reg-flags').textContent = flags.join(' ');
  showVersions(tank);
  showSummary(tank, state);
  showHistory(tank, state);
  showPlot(tank, state);
}

// A tank's versions edited apart, each with its time, what differs and a
// button to keep it.
function showVersions(tank) {
  const all = [...(versions.get(tank._id) ?? [])].sort((a, b) => (a === latestVersion([a, b]) ? -1 : 1));
  const fields = differingFields(all, [...TANK_FIELDS, 'retired']);
  const value = (version, name) => (name === 'retired' ? (version.retired ? '✓' : '—')
    : optionText(`reg-${name}`, version[name]) || '—');
  $('reg-versions').replaceChildren(...all.map((version) => el('p', { className: 'reg-version' },
    `${t('Web', 'Edited %1').replace('%1', version.edited ? localTime(version.edited) : '—')}`
    + `${version._rev === tank._rev ? ` (${t('Web', 'shown')})` : ''}: `
    + fields.map((name) => `${$(`reg-${name}`)?.labels?.[0]?.textContent ?? name} ${value(version, name)}`)
      .join(' · '),
    ' ', el('button', { type: 'button', className: 'small', onclick: () => keepVersion(tank, version) },
      t('Web', 'Keep this version')))));
}

// Settles a tank's conflict: the chosen version written again, the others
// deleted (their revisions stay in the tank's history).
async function keepVersion(tank, version) {
  try {
    const refused = (await store.db.bulkDocs(resolution(version, versions.get(tank._id)))).find((r) => r.error);
    if (refused) throw refused;
  } catch (error) {
    failed(error);
    return;
  }
  await refresh();
  status(t('Web', 'The version kept is now this tank\'s details on every device; the others stay in its history.'));
}

// The tank's volume or target differs between its versions: a dose worked
// out on either may be wrong.
const doseAtStake = (tank) => differingFields(versions.get(tank._id) ?? [], DOSE_FIELDS).length > 0;

function showSummary(tank, state) {
  const latest = state.latest;
  dose = null;
  const parts = [];
  if (!latest) {
    parts.push(el('p', {}, t('Web', 'No analysis yet: enter the first one below.')));
  } else {
    parts.push(el('p', {}, `${t('Web', 'Latest analysis')}: ${localTime(latest.at)} · ${t('frmSulfite', 'pH')} ${figure(latest.ph)} · ${t('Web', 'Free SO2')} ${figure(latest.free_so2)} mg/L`));
    const now = state.total ?? latest.total_so2 ?? '';
    dose = workOutDose(tank, latest, now, answeredBy(tank, latest));
    // A question stops the dose before the core tells its limit, which is
    // the wine's all the same.
    if (dose.status === 'question') dose.total_so2_limit = workOutDose(tank, latest, now, true).total_so2_limit;
    const limit = dose?.total_so2_limit || tank.limit || '';
    const total = state.total === null ? t('Web', 'not measured') : `${figure(state.total)} mg/L`;
    const over = limit && state.total !== null && state.total > Number(limit);
    parts.push(el('p', { id: 'reg-total', className: over ? 'over' : '' },
      `${t('Web', 'Total SO2 as last measured, with the additions since')}: ${total}`
      + (limit ? ` · ${t('Web', 'limit')} ${figure(limit)} mg/L` : '')
      + (over ? ` · ${t('Web', 'over the limit')}` : '')));
  }
  $('reg-summary').replaceChildren(...parts);
  showDose(tank, state);
}

function showDose(tank, state) {
  const box = $('reg-dose');
  const pending = state.latest && state.plans.some((p) => p.at >= state.latest.at && !state.stale.includes(p));
  box.hidden = !dose;
  if (!dose) return;
  if (pending) {
    box.replaceChildren(el('p', {}, t('Web', 'An addition is planned since the latest analysis: enter a new analysis to work out another.')));
    return;
  }
  if (dose.status !== 'ok') {
    box.replaceChildren(el('p', { id: 'reg-dose-text' }, dose.status === 'no_addition'
      ? t('Web', 'No addition needed.') : dose.message_shown || dose.message));
    // A question no one answered (a file's row, or a tank changed since):
    // answered where every one is asked.
    if (dose.status === 'question') {
      box.append(el('p', { className: 'note' },
        t('Web', 'A dose\'s questions are asked when its analysis is entered: correct the analysis and save it to answer them.')));
    }
    return;
  }
  const amount = practicalAmount({ ...dose, so2_added: dose.so2_added || dose.so2_requirement });
  box.replaceChildren(...[
    el('p', { id: 'reg-dose-text' }, `${t('Web', 'Dose')}: ${amountText(amount)} · ${t('Web', 'SO2 added (mg/L)')}: ${fixed(amount.so2, 1)}`
      + (dose.projected_total_so2 ? ` · ${t('Web', 'Total SO2 after (mg/L)')}: ${fixed(Number(state.total ?? 0) + amount.so2, 1)}` : '')),
    dose.message_shown ? el('p', { className: 'note' }, dose.message_shown) : null,
    doseAtStake(tank) ? el('p', { id: 'reg-dose-doubt', className: 'reg-flags' }, t('Web', 'The volume or target of this tank differs between its versions: this dose is worked out on the one edited last.')) : null,
    el('button', { type: 'button', id: 'reg-plan', className: 'primary' }, t('Web', 'Plan this addition'))]
    .filter(Boolean));
  $('reg-plan').addEventListener('click', () => planAddition(tank, state));
}

// A plan's amount as measured out, from the SO2 the core worked out (its
// so2_added already counts the tablets rounded up).
const planAmount = (plan) => practicalAmount({ ...plan, so2_added: plan.so2_calculated });

function amountText(amount) {
  const main = `${fixed(amount.value, amount.digits)} ${unitText(amount.unit)}`;
  return amount.teaspoons ? `${main} (${fixed(amount.teaspoons, 2)} ${t('Web', 'teaspoons')})` : main;
}

function showHistory(tank, state) {
  const rows = [];
  for (const analysis of state.analyses) {
    rows.push([analysis.at, el('tr', {},
      el('td', {}, localTime(analysis.at)), el('td', {}, t('Web', 'Analysis')),
      el('td', {}, [`${t('frmSulfite', 'pH')} ${figure(analysis.ph)}`, `${t('Web', 'Free SO2')} ${figure(analysis.free_so2)}`,
        analysis.total_so2 ? `${t('Web', 'Total SO2')} ${figure(analysis.total_so2)}` : '',
        analysis.sugar ? `${t('Web', 'Sugar')} ${figure(analysis.sugar)} g/L` : '', analysis.note ?? ''].filter(Boolean).join(' · ')),
      el('td', {}, analysis.who ?? ''),
      el('td', {}, el('button', { type: 'button', className: 'small', onclick: () => correct(analysis) }, t('Web', 'Correct'))))]);
  }
  for (const plan of state.plans) {
    const done = state.doneOf.get(plan._id);
    const amount = planAmount(plan);
    const cell = el('td');
    if (!done.length) {
      cell.append(el('button', { type: 'button', className: 'small reg-done', onclick: () => markDone(plan) }, t('Web', 'Done')),
        ' ', el('button', { type: 'button', className: 'small reg-withdraw-plan', onclick: () => withdraw([plan], t('Web', 'Planned addition withdrawn.')) }, t('Web', 'Withdraw')));
    }
    for (const record of done) {
      cell.append(el('span', {}, `✓ ${localTime(record.at)} ${record.who ?? ''} `));
      if (done.length > 1) {
        cell.append(el('button', { type: 'button', className: 'small', onclick: () => withdraw([record]) }, t('Web', 'Withdraw')));
      }
    }
    rows.push([plan.at, el('tr', { className: done.length ? 'done' : 'planned' },
      el('td', {}, localTime(plan.at)),
      el('td', {}, done.length ? t('Web', 'Addition done') : t('Web', 'Addition planned')),
      el('td', {}, `${optionText('form', plan.form)} · ${amountText(amount)} · +${fixed(amount.so2, 1)} mg/L`),
      el('td', {}, plan.who ?? ''), cell)]);
  }
  rows.sort((a, b) => (a[0] < b[0] ? 1 : -1));
  $('reg-history').tBodies[0].replaceChildren(...rows.map((r) => r[1]));
  labelCells($('reg-history'));
}

// The tank's figures over time: free and molecular SO2, total SO2 against
// its limit, and its additions as points.
function showPlot(tank, state) {
  plot?.destroy();
  plot = null;
  const box = $('reg-plot');
  box.replaceChildren();
  const points = new Map();
  const at = (iso) => {
    const x = Math.floor(new Date(iso).getTime() / 1000);
    if (!points.has(x)) points.set(x, [null, null, null, null]);
    return points.get(x);
  };
  for (const a of state.analyses) {
    const p = at(a.at);
    p[0] = Number(a.free_so2);
    p[1] = Number(ctx.core.existingMolecular(String(a.ph), String(a.free_so2))) || null;
    p[2] = a.total_so2 === '' || a.total_so2 === undefined ? null : Number(a.total_so2);
  }
  for (const plan of state.plans) at(plan.at)[3] = planAmount(plan).so2;
  const xs = [...points.keys()].sort((a, b) => a - b);
  const limit = Number(dose?.total_so2_limit || tank.limit) || null;
  const data = [xs, ...[0, 1, 2].map((i) => xs.map((x) => points.get(x)[i])), xs.map(() => limit),
    xs.map((x) => points.get(x)[3])];
  $('reg-plot-caption').textContent = t('Web', 'SO2 of the tank over time: free, molecular, total and its limit, with the additions.');
  if (!xs.length) return;
  const width = Math.max(280, Math.min(900, box.clientWidth || $('register').clientWidth - 32));
  plot = new uPlot({
    width, height: 260,
    series: [{},
      { label: t('Web', 'Free SO2'), stroke: '#1f5fa8', width: 2, spanGaps: true, scale: 'mg' },
      { label: t('Web', 'Molecular SO2'), stroke: '#2a7d3b', width: 2, spanGaps: true, scale: 'mol', dash: [6, 3] },
      { label: t('Web', 'Total SO2'), stroke: '#6b1d35', width: 2, spanGaps: true, scale: 'mg' },
      { label: t('Web', 'Limit'), stroke: '#b00020', width: 1, dash: [2, 4], scale: 'mg', points: { show: false } },
      { label: t('Web', 'Additions'), stroke: '#c77700', scale: 'mg', paths: () => null,
        points: { show: true, size: 10, fill: '#c77700' } }],
    // Times in the page's language: hours within two days, else dates.
    axes: [{ values: (u, splits) => {
      const span = (u.scales.x.max ?? 0) - (u.scales.x.min ?? 0);
      const style = span < 2 * 86400 ? { timeStyle: 'short' } : { dateStyle: 'short' };
      const texts = splits.map((x) => new Date(x * 1000).toLocaleString(ctx.language(), style));
      return texts.map((text, i) => (text === texts[i - 1] ? '' : text)); // each time once
    } }, { scale: 'mg', label: 'mg/L' }, { scale: 'mol', side: 1, grid: { show: false } }],
    legend: { live: false },
  }, data, box);
}

// Each cell names its column, which a phone shows beside it when a row's
// cells stand one under another.
function labelCells(table) {
  const heads = [...table.tHead.rows[0].cells].map((th) => th.textContent);
  for (const row of table.tBodies[0].rows) {
    for (const [i, cell] of [...row.cells].entries()) cell.dataset.label = heads[i];
  }
}

// The total SO2 a planned addition takes its tank to: the total it was
// worked out on, with what it really adds. Each line its own, for a tank
// may have two additions on one day.
function totalAfter(plan) {
  const before = plan.inputs?.total_so2;
  return before === undefined || before === '' ? '—' : fixed(Number(before) + Number(plan.so2_added), 1);
}

function showWorkOrder() {
  const day = $('reg-day').value || today();
  $('work-order-day').textContent = `${t('Web', 'Work order')} · ${new Date(`${day}T12:00`).toLocaleDateString(ctx.language(), { dateStyle: 'full' })}`;
  const lines = [];
  for (const tank of working()) {
    const state = states.get(tank._id);
    for (const plan of state.plans.filter((p) => p.day === day && !state.stale.includes(p))) {
      const amount = planAmount(plan);
      const done = state.doneOf.get(plan._id).length > 0;
      lines.push(el('tr', { className: 'work-line' },
        el('td', {}, tank.name), el('td', {}, `${figure(tank.volume)} ${optionText('unit', tank.unit)}`),
        el('td', {}, `${optionText('form', plan.form)} (${methodText(plan.method)})`),
        el('td', { className: 'figure' }, amountText(amount)),
        el('td', { className: 'figure' }, fixed(amount.so2, 1)),
        el('td', { className: 'figure' }, totalAfter(plan)),
        el('td', { className: 'box' }, el('span', { className: 'tick', role: 'img', ariaLabel: done ? t('Web', 'Done') : t('Web', 'Not done') }, done ? '☒' : '☐')),
        el('td', { className: 'initials' }, el('span', { className: 'line' }, ' '))));
    }
  }
  $('work-order-table').tBodies[0].replaceChildren(...lines);
  labelCells($('work-order-table'));
  $('work-order-empty').textContent = lines.length ? '' : t('Web', 'No addition planned for this day.');
}

async function showAll() {
  await ensureAnalyses([chosen, ...plannedOn($('reg-day').value || today())]);
  showTankList();
  showTank();
  showWorkOrder();
}

async function refresh() {
  await load();
  await showAll();
}

// --- Acting ---------------------------------------------------------------

const NUMBER_NAMES = new Set(['volume', 'limit', 'binding_factor', 'target', 'solution_pct', 'tablet_g', 'ph',
  'free_so2', 'total_so2', 'sugar']);

// The fields' texts; a number typed with a decimal comma ("3,5") is kept
// with a point, as the core and a cellar file read it.
function readFields(names) {
  return Object.fromEntries(names.map((name) => {
    const text = $(`reg-${name}`).value.trim();
    return [name, NUMBER_NAMES.has(name) && /^-?\d*,\d+$/.test(text) ? text.replace(',', '.') : text];
  }));
}

// Where the page's language writes a decimal comma, a point in thousands'
// place ("2.250") may be 2250 or 2.25, so only the user can say which, as
// on the form: the field it stands in, after its message is said.
function askedThousands(names, message) {
  const name = names.find((field) => NUMBER_NAMES.has(field) && ctx.inThousandsPlace($(`reg-${field}`).value));
  if (name) {
    message.textContent = t('Web', '"%1" could be thousands or a decimal: write it without the point, or with a decimal comma.')
      .replace('%1', $(`reg-${name}`).value.trim());
    $(`reg-${name}`).focus();
  }
  return name;
}

const saveTank = oneAtATime(async () => {
  const fields = readFields(TANK_FIELDS);
  const message = $('reg-tank-message');
  message.textContent = '';
  status('');
  if (askedThousands(TANK_FIELDS, message)) return;
  if (!fields.name) {
    message.textContent = t('Web', 'A tank needs a name.');
    $('reg-name').focus();
    return;
  }
  const clash = tanks.find((tank) => tank.name === fields.name && tank._id !== chosen);
  if (clash) {
    message.textContent = t('Web', 'Another tank has this name.');
    $('reg-name').focus();
    return;
  }
  const tank = { ...(tankOf(chosen) ?? { _id: tankId(), type: 'tank' }), ...fields,
    retired: $('reg-retired').checked, edited: new Date().toISOString() };
  delete tank._conflicts;
  // A figure the core refuses would fail every analysis after it.
  const refused = refusedFigure(tank);
  if (refused) {
    message.textContent = refused.message;
    $(`reg-${refused.field}`).focus();
    return;
  }
  if (await keep(tank)) {
    chosen = tank._id;
    keepText(TANK_KEY, chosen);
    await refresh();
    status(t('Web', 'Tank saved.'));
  }
});

function newTank() {
  chosen = '';
  $('reg-tank-view').dataset.creating = 'yes';
  $('reg-tank-view').hidden = false;
  const form = ctx.doseTexts();
  // Where cellars count in hectolitres a new tank starts there, not in the
  // form's gallons, and its size is then the user's to give; a target of
  // none is left for the user to give too.
  const unit = metricFirst() && /gal/.test(form.unit) ? 'hl' : form.unit;
  const defaults = { name: '', volume: unit === form.unit ? form.batch_size : '', unit, colour: '', style: '',
    regime: '', limit: '', binding_factor: '', target_kind: form.target_kind,
    target: Number(form.target) > 0 ? form.target : '', form: form.form,
    method: form.method, solution_pct: form.solution_pct, tablet_g: form.tablet_g, notes: '' };
  for (const name of TANK_FIELDS) $(`reg-${name}`).value = defaults[name] ?? '';
  $('reg-retired').checked = false;
  $('reg-details').open = true;
  for (const id of ['reg-flags', 'reg-summary', 'reg-dose', 'reg-plot']) $(id).replaceChildren();
  $('reg-history').tBodies[0].replaceChildren();
  $('reg-tank').value = '';
  $('reg-name').focus();
}

const saveAnalysis = oneAtATime(async () => {
  const tank = tankOf(chosen);
  const message = $('reg-analysis-message');
  message.textContent = '';
  status('');
  if (!tank) {
    message.textContent = t('Web', 'Save the tank first.');
    return;
  }
  if (askedThousands(ANALYSIS_FIELDS, message)) return;
  const fields = readFields(ANALYSIS_FIELDS);
  const when = new Date(fields.at);
  if (Number.isNaN(when.getTime())) {
    message.textContent = t('Web', 'Give the date and time of the analysis.');
    $('reg-at').focus();
    return;
  }
  const analysis = { ...fields, _id: recordId('analysis', tank._id), type: 'analysis', tank: tank._id,
    at: when.toISOString(), entered: new Date().toISOString() };
  if ($('reg-replaces').value) analysis.replaces = $('reg-replaces').value;
  // The tank as it stands with this analysis. A latest analysis without a
  // total has its dose shown on the tank's (the last one measured, with the
  // additions since), so it is checked, and its questions asked, on that.
  const after = tankState([...records.get(tank._id), ...(analysesOf.get(tank._id) ?? []), analysis]);
  const total = analysis.total_so2 || (after.latest === analysis ? after.total ?? '' : '');
  // The core checks the figures as it would a cellar file's row; its
  // questions are asked as the form asks them, every one in turn, and the
  // analysis keeps that they were answered.
  let checked = workOutDose(tank, analysis, total);
  if (checked.status === 'question') {
    const { declined } = await ctx.answeredDose(doseRequest(tank, analysis, total));
    if (declined) {
      // As on the form, the figure asked about is the one to correct.
      $(`reg-${TANK_FIELD_OF[declined.field] ?? declined.field}`)?.focus();
    } else {
      analysis.answered = true;
      checked = workOutDose(tank, analysis, total, true);
    }
  }
  if (checked.status === 'question' || (checked.status === 'error' && !doseAloneRefused(tank, analysis, total))) {
    message.textContent = checked.message_shown || checked.message;
    return;
  }
  if (!await keep(analysis)) return;
  keepText(WHO_KEY, fields.who);
  for (const name of ['ph', 'free_so2', 'total_so2', 'sugar', 'note', 'replaces']) $(`reg-${name}`).value = '';
  $('reg-at').value = nowForInput();
  // A correction's tank may have an addition planned on the figures it
  // corrects and not yet made: it would go in as worked out on them, so it
  // is withdrawn, and the new dose is shown to plan. Should that fail, the
  // plan stays flagged and off the work order.
  const stale = analysis.replaces ? after.stale : [];
  await withdrawn(stale);
  await refresh();
  status(stale.length ? `${t('Web', 'Analysis saved.')} ${t('Web', 'The addition planned on the analysis it corrects was withdrawn: plan it again from the new dose.')}`
    : t('Web', 'Analysis saved.'));
});

function correct(analysis) {
  for (const name of ANALYSIS_FIELDS) $(`reg-${name}`).value = analysis[name] ?? '';
  const at = new Date(analysis.at);
  $('reg-at').value = new Date(at.getTime() - at.getTimezoneOffset() * 60000).toISOString().slice(0, 16);
  $('reg-replaces').value = analysis._id;
  status(t('Web', 'Correct the analysis and save it: the new one replaces it, and the old one is kept.'));
  $('reg-ph').focus();
}

const planAddition = oneAtATime(async (tank, state) => {
  if (!dose || dose.status !== 'ok') return;
  if (doseAtStake(tank) && !await ctx.ask(tank.name, t('Web', 'The volume or target of this tank differs between two devices, so this dose may be wrong. Plan it anyway? Keeping the right version of the tank ends this question.'))) return;
  const calculated = dose.so2_added || dose.so2_requirement;
  const real = practicalAmount({ ...dose, so2_added: calculated });
  const row = cellarRow(tank, state.latest, state.total ?? '');
  const plan = { _id: recordId('plan', tank._id), type: 'plan', tank: tank._id, at: new Date().toISOString(),
    day: $('reg-day').value || today(), form: tank.form, method: tank.method, amount: dose.amount,
    amount_unit: dose.amount_unit, teaspoons: dose.teaspoons, so2_calculated: calculated,
    // What the tablets rounded up really put in, which the total counts.
    so2_added: String(Number(real.so2.toFixed(2))), limit: dose.total_so2_limit ?? '',
    analysis: state.latest._id, regime: tank.regime ?? '', who: $('reg-who').value.trim(),
    inputs: Object.fromEntries(CELLAR_COLUMNS.map((name, i) => [name, row[i]])) };
  if (await keep(plan)) {
    await refresh();
    status(t('Web', 'Addition planned: it is on the work order.'));
  }
});

const markDone = oneAtATime(async (plan) => {
  const done = { _id: recordId('done', plan.tank), type: 'done', tank: plan.tank, plan: plan._id,
    at: new Date().toISOString(), who: $('reg-who').value.trim() };
  if (await keep(done)) {
    await refresh();
    status(t('Web', 'Addition recorded as done.'));
  }
});

// Records that are not to stand (a plan not to be made, worked out on
// figures since corrected or no longer wanted; a done record made twice),
// each withdrawn by a record of its own of the same type.
async function withdrawn(records) {
  const who = $('reg-who').value.trim();
  for (const record of records) {
    const withdrawal = { _id: recordId(record.type, record.tank), type: record.type, tank: record.tank,
      ...(record.plan ? { plan: record.plan } : {}), at: new Date().toISOString(), replaces: record._id,
      withdrawn: true, who };
    if (!await keep(withdrawal)) return false;
  }
  return true;
}
const withdraw = oneAtATime(async (records, said = '') => {
  if (await withdrawn(records)) {
    await refresh();
    if (said) status(said);
  }
});

function download(name, text, type) {
  const link = el('a', { href: URL.createObjectURL(new Blob([text], { type })), download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

// The tanks in use, each with its latest analysis, as a cellar file
// korvane-calc --batch reads as it stands.
export async function exportedCellar() {
  await ensureAnalyses(tanks.map((tank) => tank._id));
  return cellarCsv(tanks.filter((tank) => !tank.retired && states.get(tank._id).latest)
    .map((tank) => cellarRow(tank, states.get(tank._id).latest)));
}

// A dropped cellar file, read by the core as the page reads any: each row
// with a tank's name makes or updates that tank, and adds its analysis.
async function takeCellarFile(file) {
  if (!file) return;
  const bytes = new Uint8Array(await file.arrayBuffer());
  // Unanswered: a row's questions stay its dose's until a person answers
  // them, and a row the core refuses is not taken.
  const answer = ctx.core.batch(bytes, file.name, { sheet: ctx.doseTexts(), decimal_mark: '',
    answer_yes: false, headers: {}, texts: ctx.coreTexts() }, 1_000_000);
  if (answer.problem) {
    // The kind of a file's targets is chosen in the cellar file's box, not
    // here: the file is to say it.
    status(/ has a target column but no target_kind column: /.test(answer.problem)
      ? t('Web', '%1 has a target column but no target_kind column: add one to the file, with free or molecular on each row.').replace('%1', () => file.name)
      : ctx.translated(answer.problem), true);
    return;
  }
  const text = new TextDecoder().decode(answer.output);
  const delimiter = [';', '\t', ','].find((d) => text.split(/\r?\n/)[0].split(d).length >= answer.headers.length
    && answer.headers.length > 1) ?? ',';
  const [head, ...rows] = parseCsv(text, delimiter);
  const comma = delimiter !== ',' && rows.some((row) => row.some((cell) => /^\s*-?\d+,\d+\s*$/.test(cell)));
  const cellOf = (row, column) => {
    const header = answer.columns?.[column];
    const i = header ? head.indexOf(header) : head.indexOf(column);
    return i >= 0 ? row[i] ?? '' : '';
  };
  const at = new Date().toISOString();
  const analyses = [];
  const named = new Map(tanks.map((tank) => [tank.name, tank]));
  const written = new Map(); // tank id -> the tank as its last row leaves it
  const refused = [];
  for (const [i, row] of rows.entries()) {
    const name = (answer.rows[i]?.tank ?? '').trim();
    if (!name) continue;
    const found = named.get(name);
    const form = ctx.doseTexts();
    const number = (column) => pointNumber(cellOf(row, column), comma);
    // A file's word as the tank's lists name it ("Bianco" is white), so
    // that the tank shows it and keeps it when saved again.
    const word = (column, fallback) => ctx.core.choiceWord(column, cellOf(row, column)) || fallback;
    const tank = { ...(found ?? { _id: tankId(), type: 'tank', colour: '', style: '', regime: '', limit: '',
      binding_factor: '', notes: '' }), name,
      volume: number('batch_size') || found?.volume || '',
      unit: answer.size_unit ?? word('unit', found?.unit ?? form.unit),
      form: word('form', found?.form ?? form.form), method: word('method', found?.method ?? form.method),
      solution_pct: number('solution_pct') || found?.solution_pct || form.solution_pct,
      tablet_g: number('tablet_g') || found?.tablet_g || form.tablet_g,
      target_kind: word('target_kind', found?.target_kind ?? form.target_kind),
      target: number('target') || found?.target || form.target,
      colour: word('colour', found?.colour ?? ''), style: word('style', found?.style ?? ''),
      binding_factor: number('binding_factor') || found?.binding_factor || '',
      edited: at, retired: false };
    delete tank._conflicts;
    // A tank on two rows: the later row is its latest analysis.
    const rowAt = new Date(Date.parse(at) + i).toISOString();
    const analysis = { _id: recordId('analysis', tank._id), type: 'analysis', tank: tank._id, at: rowAt,
      entered: at, ph: number('ph'), free_so2: number('free_so2'), total_so2: number('total_so2'),
      sugar: number('sugar'), who: $('reg-who').value.trim(), note: file.name };
    // A row the core refuses is not taken, unless only its dose is refused.
    if (answer.rows[i].status === 'error' && !doseAloneRefused(tank, analysis)) {
      refused.push(answer.rows[i]);
      continue;
    }
    named.set(name, tank);
    written.set(tank._id, tank);
    analyses.push(analysis);
  }
  // One write for the whole file: a file of many tanks is kept at once.
  try {
    const failures = (await store.db.bulkDocs([...written.values(), ...analyses])).filter((r) => r.error);
    if (failures.length) throw failures[0];
  } catch (error) {
    failed(error);
    await refresh();
    return;
  }
  const count = analyses.length;
  await load();
  if (!tankOf(chosen) && tanks.length) chosen = tanks[0]._id;
  await showAll();
  status([t('Web', 'Tanks taken from the file: %1.').replace('%1', count), ...refused.slice(0, 1)
    .map((first) => t('Web', 'Rows not taken for an error: %1. The first is line %2: %3')
      .replace('%1', refused.length).replace('%2', first.line).replace('%3', () => coreMessage(first)))].join(' '),
  refused.length > 0);
}

async function backup() {
  try {
    download(`korvane-register-${today()}.json`, JSON.stringify(await store.backup()), 'application/json');
  } catch (error) {
    failed(error);
  }
}

async function restore(file) {
  if (!file) return;
  try {
    const count = await store.restore(JSON.parse(await file.text()));
    await refresh();
    status(t('Web', 'Backup restored: %1 records.').replace('%1', count));
  } catch (error) {
    if (error instanceof SyntaxError || error?.message === 'not a backup') {
      status(t('Web', 'This file is not a backup of the register.'), true);
    } else failed(error);
  }
}

// Until the database has answered, the list shown may be the last visit's:
// whatever reads or writes the register waits for it, and does nothing when
// it could not be opened (which the status says). The tank's own forms are
// reached only through these.
const whenOpen = (act) => async (...args) => (await opened) && act(...args);

function wire() {
  // The choice is taken as it is made, so that the database's list, which
  // may be drawn while the choice waits for it, keeps it chosen.
  const showChosen = whenOpen(async () => {
    keepText(TANK_KEY, chosen);
    status('');
    await ensureAnalyses([chosen]);
    showTank();
  });
  $('reg-tank').addEventListener('change', () => {
    chosen = $('reg-tank').value;
    showChosen();
  });
  $('reg-show-retired').addEventListener('change', showTankList);
  $('reg-new-tank').addEventListener('click', whenOpen(newTank));
  // Never sent as a request, even when pressed again while saving.
  for (const [form, save] of [['reg-tank-form', saveTank], ['reg-analysis-form', saveAnalysis]]) {
    $(form).addEventListener('submit', (event) => {
      event.preventDefault();
      save();
    });
  }
  $('reg-day').addEventListener('change', whenOpen(async () => {
    await ensureAnalyses(plannedOn($('reg-day').value || today()));
    showWorkOrder();
  }));
  $('reg-print').addEventListener('click', whenOpen(() => window.print()));
  $('reg-export').addEventListener('click', whenOpen(async () => download(`korvane-tanks-${today()}.csv`,
    await exportedCellar(), 'text/csv')));
  $('reg-export-additions').addEventListener('click', whenOpen(() => download(`korvane-additions-${today()}.csv`,
    additionsCsv(tanks, states), 'text/csv')));
  $('reg-backup').addEventListener('click', whenOpen(backup));
  $('reg-cellar-file').addEventListener('change', whenOpen(() => takeCellarFile($('reg-cellar-file').files[0])));
  $('reg-restore').addEventListener('change', whenOpen(() => restore($('reg-restore').files[0])));
  ctx.dropZone($('reg-files'), whenOpen(takeCellarFile));
}

// Records another device sent: the register read again and shown, leaving
// alone tank details the user is typing.
let refreshing = null;
function syncedIn() {
  refreshing ??= new Promise((resolve) => setTimeout(resolve, 200)).then(() => load()).then(async () => {
    refreshing = null;
    await ensureAnalyses([chosen, ...plannedOn($('reg-day').value || today())]);
    showTankList();
    if (!$('reg-tank-form').contains(document.activeElement)) showTank();
    showWorkOrder();
  });
  return refreshing;
}

// Sharing between devices. Its module loads only when the user opens these
// settings or has set them: a page that does not sync carries none of it
// and talks to no server.
function sharing() {
  const box = el('details', { id: 'reg-sync', className: 'no-print' },
    el('summary', { id: 'reg-sync-title' }, t('Web', 'Sharing between devices')),
    el('div', { id: 'reg-sync-body' }));
  $('register').append(box);
  let loading = null;
  const start = () => {
    loading ??= import(new URL('sync.js', document.baseURI).href)
      .then((sync) => sync.startSync({ t, language: ctx.language, db: store.db, refresh: syncedIn,
        box: $('reg-sync-body') }))
      .catch((error) => console.error(error));
  };
  box.addEventListener('toggle', () => box.open && start());
  document.addEventListener('korvane-language', () => {
    $('reg-sync-title').textContent = t('Web', 'Sharing between devices');
  });
  if (keptText(SYNC_KEY)) start();
}

// `page`: {t, language(), core, doseTexts(), translated(), withValue(), ask(), answeredDose(),
// coreTexts(), dropZone()}.
// What `make bench` times: the tank list drawn (to the time it was), a register filled through
// the register's own records, and one tank's plot drawn.
let listDrawn;
const listShown = new Promise((resolve) => { listDrawn = resolve; });
let markOpened;
const opened = new Promise((resolve) => { markOpened = resolve; }); // false: the database could not be opened

async function benchFill({ tanks: tankCount, records: recordCount, plotPoints }) {
  await opened;
  const start = Date.now() - recordCount * 60000;
  const docs = [];
  for (let i = 0; i < tankCount; i++) {
    docs.push({ _id: tankId(), type: 'tank', name: `T${String(i + 1).padStart(3, '0')}`, volume: '50',
      unit: 'hl', target_kind: 'free', target: '35', form: 'potassium', method: 'powder', regime: 'eu',
      colour: 'red', edited: new Date().toISOString() });
  }
  const plotted = docs[0]._id;
  for (let i = 0; i < recordCount; i++) {
    const tank = i < plotPoints ? plotted : docs[1 + (i % (tankCount - 1))]._id;
    const at = new Date(start + i * 60000).toISOString();
    docs.push(i % 2 === 0
      ? { _id: recordId('analysis', tank), type: 'analysis', tank, at, ph: '3.5', free_so2: String(10 + (i % 20)),
        total_so2: String(60 + (i % 40)), entered: at }
      : { _id: recordId('plan', tank), type: 'plan', tank, at, day: at.slice(0, 10), form: 'potassium',
        method: 'powder', amount: '100.00', amount_unit: 'g', so2_added: '20.00', so2_calculated: '20.00' });
  }
  for (let from = 0; from < docs.length; from += 1000) await store.db.bulkDocs(docs.slice(from, from + 1000));
  await refresh();
  return plotted;
}

async function drawPlot(id) {
  await opened;
  await ensureAnalyses([id]);
  showPlot(tankOf(id), states.get(id));
}

export async function startRegister(page) {
  performance.mark('korvane-register-loaded');
  // Ready before the register has opened, so that opening can be timed.
  window.korvaneRegister = { open: () => listShown, benchFill, drawPlot };
  ctx = page;
  document.head.append(el('style', {}, uPlotStyle + registerStyle));
  $('register').hidden = false;
  skeleton();
  const drawn = () => {
    showTankList();
    performance.mark('korvane-register-list');
    listDrawn(performance.now());
  };
  const last = lastListed();
  listed = last ?? [];
  if (last) drawn();
  let notOpened = null;
  document.addEventListener('korvane-language', async () => {
    skeleton();
    showTankList();
    if (await opened) showAll();
    else notOpened?.();
  });
  try {
    store = await openStore();
    // Asked now, so that a browser refusing storage is said as the
    // register not opening, before anything is typed into it.
    await store.db.info();
    performance.mark('korvane-register-opened');
    // The tank list is drawn again as soon as the tanks are read.
    await load(drawn);
  } catch (error) {
    // Said again in the new language when the page changes it.
    notOpened = () => (failureKind(error) === 'refused' ? failed(error)
      : status(`${t('Web', 'The register could not be opened: the tanks listed are those this device showed last, and nothing can be changed.')} ${error?.message ?? ''}`, true));
    notOpened();
    markOpened(false);
    return;
  }
  markOpened(true);
  await showAll();
  sharing();
  // What the tests and the benchmark read: the very files the buttons give.
  window.korvaneRegister = { ...window.korvaneRegister, exportedCellar, additionsCsv: () => additionsCsv(tanks, states),
    backup: () => store.backup(), plotData: () => plot?.data ?? null, db: store.db };
  document.body.dataset.register = 'ready';
}
