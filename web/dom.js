// What the page's modules share to reach and make its elements.
export const $ = (id) => document.getElementById(id);
export const value = (id) => $(id).value;

export function element(tag, props = {}, ...children) {
  const el = Object.assign(document.createElement(tag), props);
  el.append(...children);
  return el;
}
