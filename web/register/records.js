// The register's records and what is read from them, with no browser in
// sight: ids, a tank's state from its documents, the amounts of a work order
// in units a cellar hand measures, and the CSV files the register writes.
//
// Analyses, planned additions and done records are never changed once
// written: a correction is a new document whose `replaces` names the old one,
// so two devices never edit the same document and replication never
// conflicts over them. A tank's details are one document, edited in place.

// A key that sorts by the time it was made, then apart by chance: two
// devices making records in the same millisecond still make two.
export function newKey(now = new Date()) {
  const random = Math.floor(Math.random() * 36 ** 6).toString(36).padStart(6, '0');
  return `${now.toISOString()}-${random}`;
}

// Ids: "tank:KEY" for a tank; its records under "TYPE:TANKKEY:KEY", so that
// one prefix reads all of a tank's analyses (or plans, or done records).
export const tankKey = (tankId) => tankId.slice('tank:'.length);
export const tankId = (key = newKey()) => `tank:${key}`;
export const recordId = (type, tank, key = newKey()) => `${type}:${tankKey(tank)}:${key}`;
export const RECORD_TYPES = ['analysis', 'plan', 'done'];

// The records still standing: none that a later one replaces.
export function standing(records) {
  const replaced = new Set(records.map((r) => r.replaces).filter(Boolean));
  return records.filter((r) => !replaced.has(r._id) && !r.withdrawn);
}

const number = (text) => (text === undefined || text === null || text === '' ? null : Number(text));
const byTime = (a, b) => (a.at < b.at ? -1 : a.at > b.at ? 1 : 0);

// A tank's state from all its records (any order): its analyses and plans
// by time, the latest analysis, each plan's done records, the plans done
// twice (two devices, or one offline), and its total SO2: the last measured
// total and the SO2 of every addition planned or done since that analysis.
// A later analysis without a total leaves it standing: the wine still holds
// it, and its limit is still to be watched. A plan done twice counts twice
// until someone withdraws one of the two. A plan withdrawn on one device
// while it was done on another was made: it stays, counts, and is named
// (`madeWithdrawn`) for someone to look at. A plan not done whose analysis
// was corrected since (on this device or another) is `stale`: worked out on
// figures that no longer stand, it is not to be made, so it counts in no
// total until it is done after all.
export function tankState(records) {
  const live = standing(records);
  const analyses = live.filter((r) => r.type === 'analysis').sort(byTime);
  const done = live.filter((r) => r.type === 'done');
  const standingIds = new Set(live.map((r) => r._id));
  const doneOf = new Map();
  for (const record of done) doneOf.set(record.plan, [...(doneOf.get(record.plan) ?? []), record]);
  const plans = records.filter((r) => r.type === 'plan' && !r.withdrawn
    && (standingIds.has(r._id) || doneOf.has(r._id))).sort(byTime);
  for (const plan of plans) if (!doneOf.has(plan._id)) doneOf.set(plan._id, []);
  const latest = analyses.at(-1) ?? null;
  const measuredIn = analyses.findLast((a) => number(a.total_so2) !== null) ?? latest;
  const replaced = new Set(records.filter((r) => r.type === 'analysis' && r.replaces).map((r) => r.replaces));
  const stale = plans.filter((p) => replaced.has(p.analysis) && !doneOf.get(p._id).length);
  const since = plans.filter((p) => (!measuredIn || p.at >= measuredIn.at) && !stale.includes(p));
  let added = 0;
  for (const plan of since) added += (number(plan.so2_added) ?? 0) * Math.max(1, doneOf.get(plan._id).length);
  const measured = measuredIn ? number(measuredIn.total_so2) : null;
  return {
    analyses, plans, latest, doneOf, added,
    doubled: plans.filter((p) => doneOf.get(p._id).length > 1),
    madeWithdrawn: plans.filter((p) => !standingIds.has(p._id)),
    stale,
    total: measured === null ? null : measured + added,
  };
}

// The amount of an addition as it is measured out: kilograms above 1 kg,
// litres above 1 L of solution, whole tablets (rounded up, with the SO2
// they really give), teaspoons beside grams only for a small home amount.
// `figures`: the core's amount, amount_unit, teaspoons and so2_added.
export const SMALL_HOME_AMOUNT = 50; // g or ml
export function practicalAmount({ amount, amount_unit: unit, teaspoons, so2_added: added }) {
  const value = Number(amount);
  const so2 = Number(added);
  if (unit === 'g' && value > 1000) return { value: value / 1000, digits: 2, unit: 'kg', so2 };
  if (unit === 'ml' && value > 1000) return { value: value / 1000, digits: 2, unit: 'L', so2 };
  if (unit === 'tablets') {
    const whole = Math.ceil(value - 1e-9);
    return { value: whole, digits: 0, unit: 'tablets', so2: value > 0 ? (so2 * whole) / value : 0 };
  }
  const home = value <= SMALL_HOME_AMOUNT && Number(teaspoons) > 0;
  return { value, digits: 2, unit, so2, teaspoons: home ? Number(teaspoons) : null };
}

// --- CSV --------------------------------------------------------------------

// A field as korvane-calc reads it back: quoted when it holds a comma, a
// quote or a line break.
export const csvField = (text) => {
  const s = String(text ?? '');
  return /[",\r\n]/.test(s) ? `"${s.replace(/"/g, '""')}"` : s;
};
export const csvLine = (fields) => `${fields.map(csvField).join(',')}\r\n`;

// Rows of a CSV with `delimiter`, quotes as RFC 4180 has them.
export function parseCsv(text, delimiter = ',') {
  const rows = [];
  let row = [];
  let field = '';
  let quoted = false;
  for (let i = 0; i < text.length; i++) {
    const c = text[i];
    if (quoted) {
      if (c === '"' && text[i + 1] === '"') field += text[++i];
      else if (c === '"') quoted = false;
      else field += c;
    } else if (c === '"') quoted = true;
    else if (c === delimiter) {
      row.push(field);
      field = '';
    } else if (c === '\n' || c === '\r') {
      if (c === '\r' && text[i + 1] === '\n') i++;
      row.push(field);
      rows.push(row);
      row = [];
      field = '';
    } else field += c;
  }
  if (field || row.length) rows.push([...row, field]);
  return rows;
}

// The columns of a tank's row, as korvane-calc reads them with no option:
// a dose's columns under their English names, the tank's name first.
export const CELLAR_COLUMNS = ['tank', 'ph', 'free_so2', 'batch_size', 'unit', 'form', 'method',
  'solution_pct', 'tablet_g', 'target_kind', 'target', 'total_so2', 'colour', 'sugar', 'style',
  'binding_factor'];

// A tank with an analysis as a cellar file's row. The SO2 added since the
// analysis is in its total: the dose is worked out on what the wine holds.
export function cellarRow(tank, analysis, total = analysis?.total_so2) {
  const of = {
    tank: tank.name, ph: analysis?.ph, free_so2: analysis?.free_so2, batch_size: tank.volume,
    unit: tank.unit, form: tank.form, method: tank.method, solution_pct: tank.solution_pct,
    tablet_g: tank.tablet_g, target_kind: tank.target_kind, target: tank.target,
    total_so2: total ?? '', colour: tank.colour, sugar: analysis?.sugar, style: tank.style,
    binding_factor: tank.binding_factor,
  };
  return CELLAR_COLUMNS.map((c) => (of[c] === null || of[c] === undefined ? '' : String(of[c])));
}

// The wine's own columns that no tank fills are left out: korvane-calc
// takes a total SO2 column, even an empty one, as asking for a limit.
const WINE_COLUMNS = new Set(['total_so2', 'colour', 'sugar', 'style', 'binding_factor']);
export function cellarCsv(rows) {
  const kept = CELLAR_COLUMNS.map((name, i) => !WINE_COLUMNS.has(name) || rows.some((row) => row[i] !== ''));
  const only = (fields) => fields.filter((_, i) => kept[i]);
  return csvLine(only(CELLAR_COLUMNS)) + rows.map((row) => csvLine(only(row))).join('');
}

export const ADDITION_COLUMNS = ['tank', 'planned', 'day', 'form', 'method', 'amount', 'amount_unit',
  'so2_added', 'who', 'done', 'done_by', 'id'];

// Every addition, planned or done, one line each, by time.
export function additionsCsv(tanks, plansByTank) {
  const lines = [csvLine(ADDITION_COLUMNS)];
  for (const tank of tanks) {
    const state = plansByTank.get(tank._id);
    for (const plan of state?.plans ?? []) {
      const done = state.doneOf.get(plan._id);
      lines.push(csvLine([tank.name, plan.at, plan.day, plan.form, plan.method, plan.amount,
        plan.amount_unit, plan.so2_added, plan.who, done.map((d) => d.at).join(' '),
        done.map((d) => d.who).join(' '), plan._id]));
    }
  }
  return lines.join('');
}

// A cell of a dropped file as a number with a point: "3,62" in a file
// whose decimal mark is the comma.
export function pointNumber(text, commaMark) {
  const s = String(text ?? '').trim();
  if (!s) return '';
  return commaMark ? s.replace(/[.\s\u00a0\u202f]/g, '').replace(',', '.') : s.replace(/[,\s]/g, '');
}
