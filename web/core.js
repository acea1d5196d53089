// The core, compiled to WebAssembly: every check, question, figure, message,
// spin step and key the page deals with is decided there. This module only
// carries texts and JSON objects in and JSON out.
const encoder = new TextEncoder();
const decoder = new TextDecoder();

// `compiled`: the module, which the page carries itself and compiles as
// soon as it has arrived. It asks for two things only: to be told its
// memory grew, and to stop.
export async function loadCore(compiled) {
  const instance = await WebAssembly.instantiate(await compiled, {
    env: { emscripten_notify_memory_growth() {} },
    wasi_snapshot_preview1: {
      proc_exit(status) {
        throw new Error(`Korvane's core stopped (${status}).`);
      },
    },
  });
  const m = instance.exports;
  m._initialize();
  const heap = () => new Uint8Array(m.memory.buffer);

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
