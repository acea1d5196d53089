// The core, compiled to WebAssembly: every check, question, figure, message,
// spin step and key the page deals with is decided there. This module only
// carries texts and JSON objects in and JSON out.
const encoder = new TextEncoder();
const decoder = new TextDecoder();

// A figure as the program reads it (fast_float): the nearest double or,
// `single`, the nearest float. The browser's reading is exact for doubles,
// and rounding that double to a float is too, unless it lies exactly
// halfway between two floats: the decimal itself may lie either side of it,
// so it is then weighed exactly. `text` has the form the core checked.
export function readDecimal(text, single) {
  const double = Number(text);
  const float = Math.fround(double);
  if (!single || float === double) return double;
  // The float on the halfway point's other side, when it is one.
  const other = Number.isFinite(float) ? float + 2 * (double - float) : Math.sign(float) * FLOAT_MAX;
  const halfway = Number.isFinite(float) ? Math.fround(other) === other
    : Math.abs(double) === FLOAT_MAX + 2 ** 103;
  const side = halfway ? compareDecimal(text, Math.abs(double)) : 0;
  // Beyond the halfway point, away from the float it was rounded to.
  return side !== 0 && (Math.abs(other) > Math.abs(float)) === (side > 0) ? other : float;
}

const FLOAT_MAX = 3.4028234663852886e38;

// -1, 0 or 1 as the decimal `text`'s magnitude is below, at or above the
// double `at` (positive), compared as whole numbers.
function compareDecimal(text, at) {
  const [mantissa, exponent = '0'] = text.replace(/^-/, '').split(/e/i);
  const [whole, fraction = ''] = mantissa.split('.');
  const powerOfTen = Number(exponent) - fraction.length;
  const view = new DataView(new ArrayBuffer(8));
  view.setFloat64(0, at);
  const bits = view.getBigUint64(0);
  const biased = Number(bits >> 52n);
  const significand = (bits & ((1n << 52n) - 1n)) | (biased ? 1n << 52n : 0n);
  const powerOfTwo = Math.max(biased, 1) - 1075;
  let left = BigInt(whole + fraction || '0');
  let right = significand;
  if (powerOfTen >= 0) left *= 10n ** BigInt(powerOfTen);
  else right *= 10n ** BigInt(-powerOfTen);
  if (powerOfTwo >= 0) right <<= BigInt(powerOfTwo);
  else left <<= BigInt(-powerOfTwo);
  return left > right ? 1 : left < right ? -1 : 0;
}

// `compiled`: the module, which the page carries itself and compiles as
// soon as it has arrived. It asks for three things only: to read a figure
// its own short path does not, to be told its memory grew, and to stop.
export async function loadCore(compiled) {
  let heap = null;
  const instance = await WebAssembly.instantiate(await compiled, {
    env: {
      korvane_read_decimal: (at, size, single) =>
        readDecimal(decoder.decode(heap().subarray(at, at + size)), single === 1),
      emscripten_notify_memory_growth() {},
    },
    wasi_snapshot_preview1: {
      proc_exit(status) {
        throw new Error(`Korvane's core stopped (${status}).`);
      },
    },
  });
  const m = instance.exports;
  m._initialize();
  heap = () => new Uint8Array(m.memory.buffer);

  function put(bytes) {
    const at = m.malloc(bytes.length + 1);
    heap().set(bytes, at);
    heap()[at + bytes.length] = 0;
    return at;
  }
  const text = (value) => put(encoder.encode(value));
  function read(at) {
    const h = heap();
    let end = at;
    while (h[end] !== 0) end++;
    return decoder.decode(h.subarray(at, end));
  }
  // Calls `fn` with the texts in the module's memory, and frees them.
  function call(fn, texts, ...numbers) {
    const pointers = texts.map((t) => (t === null ? 0 : text(t)));
    try {
      return fn(...pointers, ...numbers);
    } finally {
      pointers.forEach((p) => p && m.free(p));
    }
  }
  const json = (at) => JSON.parse(read(at));
  const sent = (object) => JSON.stringify(object);

  return {
    // `dose`: the texts of a dose under the names of its columns.
    calculate: (dose, answered) => json(call(m.korvane_calculate, [sent(dose)], answered ? 1 : 0)),
    existingMolecular: (ph, existing) => read(call(m.korvane_existing_molecular, [ph, existing])),
    choiceWord: (column, text) => read(call(m.korvane_choice_word, [column, text])),
    choiceState: (method, kind) => json(call(m.korvane_choice_state, [method, kind])),
    spin: (field, value, bar) => read(call(m.korvane_spin, [field, value], bar)),
    filterKey: (code, commaToo) => m.korvane_filter_key(code, commaToo ? 1 : 0),
    defaults: (stored) => json(call(m.korvane_defaults, [stored])),
    // `defaults`: named as defaults() answers.
    saveDefaults: (defaults) => json(call(m.korvane_save_defaults, [sent(defaults)])),
    // `options`: {sheet: a dose as calculate() takes it, decimal_mark,
    // answer_yes, headers: {column: header}}.
    batch(bytes, name, options, rowsShown) {
      const at = put(bytes);
      try {
        const answer = json(call((n, o) => m.korvane_batch(at, bytes.length, n, o, rowsShown),
          [name, sent(options)]));
        const start = m.korvane_batch_output();
        answer.output = heap().slice(start, start + m.korvane_batch_output_size());
        return answer;
      } finally {
        m.free(at);
      }
    },
    // The core's lists, which the site's build writes into the page.
    tables: () => json(m.korvane_page_tables()),
  };
}
