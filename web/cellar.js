// A cellar file: the core runs its rows against the form, the page shows
// them and offers the CSV to download. Its texts come with the core's
// messages, after every language's texts of the form, so that no language
// waits for them before its form can be used: all that says one waits for
// those first.
import { $, element, value } from './dom.js';

const ROWS_SHOWN = 300;
// The largest file the page takes. Its bytes sit in the browser's memory
// twice (as read, and in the core's), with the CSV written for it beside
// them: in Chromium on a desktop a 200 MB file ran and a 300 MB one (ten
// million rows) exhausted the core's memory; a phone has less, so half.
const LARGEST_FILE = 100_000_000;
// The fields a cellar file's rows may take from the form.
const BATCH_FORM_FIELDS = new Set(['form', 'solution_pct', 'tablet_g', 'target_kind', 'unit', 'target_free',
  'target_molecular', 'regime', 'limit', 'binding_factor']);

// What the page lends (see startCellar).
let core, t, say, language, withValue, doseTexts, coreTexts, unitText, messagesIn;
let batchFile = null; // {name, bytes} of the last cellar file
let largeFile = null; // the last file refused as too large, said again on a language switch
let namedHeaders = {}; // column -> header the user chose

// The result's place, and its texts that stand in the page: said once a
// file has been read, so that they come with the core's messages; a new
// language says them again.
function showResult() {
  $('batch-result').hidden = false;
  say($('file-target-kind-caption'), 'Web', 'Kind of the file\'s targets');
  say($('file-target-kind-none'), 'Web', 'Not named');
  say($('batch-columns-caption'), 'Web', 'Columns');
  say($('download'), 'Web', 'Download CSV');
  say($('head-line'), 'Web', 'Line');
  say($('head-tank'), 'Web', 'Tank');
  say($('head-amount'), 'Web', 'Amount');
  say($('head-status'), 'Web', 'Status');
  say($('head-message'), 'Web', 'Message');
}

// A file too large for the page is refused before it is read, with its size.
function refuseLarge(file) {
  const megabytes = (bytes) => Math.ceil(bytes / 1_000_000).toLocaleString(language());
  batchFile = null;
  largeFile = file;
  showResult();
  $('download').hidden = true;
  $('rows-shown').textContent = '';
  $('column-choices').replaceChildren();
  $('batch-table').tBodies[0].replaceChildren();
  $('batch-summary').textContent = t('Web', '%1 is %2 MB, and the page takes files up to %3 MB: run korvane-calc --batch on it.')
    .replace('%1', file.name).replace('%2', megabytes(file.size)).replace('%3', megabytes(LARGEST_FILE));
}

async function takeFile(file) {
  if (!file) return;
  const bytes = file.size > LARGEST_FILE ? null : new Uint8Array(await file.arrayBuffer());
  // Its rows, and its refusal, speak in the texts that come with the core's
  // messages; until they have come the file is not taken, so nothing runs
  // it before.
  await messagesIn();
  if (!bytes) {
    refuseLarge(file);
    return;
  }
  batchFile = { name: file.name, bytes };
  largeFile = null;
  // What was named for another file never stands for this one.
  namedHeaders = {};
  $('file-target-kind').value = '';
  runBatch();
}

function runBatch() {
  const options = { sheet: doseTexts(), regime: value('regime'), limit: value('limit'),
    texts: coreTexts(), decimal_mark: value('decimal-mark'), answer_yes: $('answer-yes').checked,
    headers: namedHeaders, file_target_kind: value('file-target-kind') };
  const answer = core.batch(batchFile.bytes, batchFile.name, options, ROWS_SHOWN);
  showResult();
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
  offerDownload(answer);
  showRows(answer);
}

function offerDownload(answer) {
  const download = $('download');
  URL.revokeObjectURL(download.href);
  download.hidden = Boolean(answer.problem);
  if (!answer.problem) {
    download.href = URL.createObjectURL(new Blob([answer.output], { type: 'text/csv' }));
    download.download = batchFile.name.replace(/(\.[^.]*)?$/, (ext) => `-doses${ext || '.csv'}`);
  }
}

function showRows(answer) {
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
  if (language() === 'en') return answer.summary;
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
// The register's files say theirs with it too.
export function translated(message) {
  if (!message) return '';
  if (Object.hasOwn(coreTexts(), message)) return t('korvane', message);
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

// --- Taking a file ------------------------------------------------------------

// A place a file may be dropped on, marked while one is dragged over it;
// the register's files take the same.
export function dropZone(drop, take) {
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

function watchForm() {
  // The cellar is run again only for what its rows may take from the form:
  // a large file takes a while, and its pH, SO2 and sizes are its own.
  $('sheet').addEventListener('change', (event) => {
    if (batchFile && (event.target.name === 'method' || BATCH_FORM_FIELDS.has(event.target.id))) runBatch();
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
}

// Takes the files dropped or chosen once the page has its core and its
// form's texts. `page` lends the core, its texts (t, say, withValue, the
// core's in language() as coreTexts()), the sheet's doseTexts() and
// unitText, and messagesIn(), which resolves once the second round of
// texts is in.
export function startCellar(page) {
  ({ core, t, say, language, withValue, doseTexts, coreTexts, unitText, messagesIn } = page);
  // The kinds a file's targets may be named in: the form's own list.
  for (const option of $('target_kind').options) $('file-target-kind').append(option.cloneNode(true));
  dropZone($('cellar'), takeFile);
  $('file').addEventListener('change', () => takeFile($('file').files[0]));
  for (const id of ['decimal-mark', 'answer-yes', 'file-target-kind']) {
    $(id).addEventListener('change', () => batchFile && runBatch());
  }
  watchForm();
  // A new language says the file's results again, once its texts are in.
  document.addEventListener('korvane-language', () => {
    if (batchFile) runBatch();
    else if (largeFile) refuseLarge(largeFile);
  });
}
