// What the page's modules share to reach and make its elements, and to
// act on them.
export const $ = (id) => document.getElementById(id);
export const value = (id) => $(id).value;

// An element with `props` and the children given; an absent one (null,
// undefined or false) is left out.
export function element(tag, props = {}, ...children) {
  const el = Object.assign(document.createElement(tag), props);
  el.append(...children.filter((c) => c !== null && c !== undefined && c !== false));
  return el;
}

// An action that runs once at a time: pressed again while it runs (a double
// tap on a phone, or while it waits for a question), the press is dropped,
// so that nothing it writes is written twice.
export function oneAtATime(action) {
  let running = false;
  return async (...args) => {
    if (running) return;
    running = true;
    try {
      await action(...args);
    } finally {
      running = false;
    }
  };
}
