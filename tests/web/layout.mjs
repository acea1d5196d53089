// What a person sees wrong in a drawn page, measured rather than looked
// at: the page wider than the screen, a caption or a list's entry cut, a
// box parted from its arrows or its unit, a caption abbreviated, and on a
// touch screen a control smaller than a fingertip.

// The smallest target a finger hits reliably, in CSS pixels.
export const FINGER = 44;

// Each fault as a short text naming the element; none on a good page.
// `touch`: whether controls must be big enough for a finger.
export function layoutFaults(page, { touch }) {
  return page.evaluate((finger, touchToo) => {
    const faults = [];
    const name = (el) => `${el.tagName.toLowerCase()}${el.id ? `#${el.id}` : ''} "${
      (el.textContent || el.value || '').trim().slice(0, 40)}"`;
    // Clipped to nothing is the way a text is kept for screen readers only,
    // as a table's heads are where each cell carries its own on a phone.
    const clippedAway = (el) => {
      for (let at = el; at; at = at.parentElement) {
        if (getComputedStyle(at).clip === 'rect(0px, 0px, 0px, 0px)') return true;
      }
      return false;
    };
    const drawn = (el) => el.getClientRects().length > 0 && getComputedStyle(el).visibility !== 'hidden'
      && !el.closest('.hidden, dialog:not([open])') && !clippedAway(el);
    if (document.documentElement.scrollWidth > window.innerWidth) {
      faults.push(`page ${document.documentElement.scrollWidth} px wide`);
    }
    // Texts cut at their box's edge.
    for (const el of document.querySelectorAll('button, label, legend, summary, .head, .rowhead, th, td, .unit, '
      + '#amount_unit, #teaspoon_unit, .caption, a.button')) {
      if (drawn(el) && (el.scrollWidth > el.clientWidth + 1 || el.getBoundingClientRect().right > window.innerWidth)) {
        faults.push(`cut: ${name(el)}`);
      }
    }
    // A list shows its chosen entry in its box, beside its arrow.
    const ruler = document.body.appendChild(document.createElement('span'));
    ruler.style.cssText = 'position:absolute;visibility:hidden;white-space:pre';
    for (const select of document.querySelectorAll('select')) {
      if (!drawn(select) || !select.selectedOptions[0]) continue;
      const style = getComputedStyle(select);
      ruler.style.font = style.font;
      ruler.textContent = select.selectedOptions[0].text;
      const room = select.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight) - 16;
      if (ruler.getBoundingClientRect().width > room) faults.push(`cut: ${name(select.selectedOptions[0])}`);
    }
    ruler.remove();
    // A box, its arrows and its unit on one line, in that order.
    for (const field of document.querySelectorAll('.field')) {
      const input = field.querySelector('input');
      if (!drawn(input)) continue;
      const box = input.getBoundingClientRect();
      let left = box.right;
      for (const part of [...field.querySelectorAll('button, .unit')].filter(drawn)) {
        const r = part.getBoundingClientRect();
        const middle = (r.top + r.bottom) / 2;
        if (middle < box.top || middle > box.bottom || r.left < left - 1) {
          faults.push(`parted from ${input.id}: ${name(part)}`);
        }
        left = r.right;
      }
    }
    // A caption in full: no word cut short with a period ("Comp.", "mol.").
    for (const el of document.querySelectorAll('label, legend, .head, .rowhead, th, .unit, #amount_unit, '
      + '#teaspoon_unit, option')) {
      if ((drawn(el) || el.tagName === 'OPTION') && /\p{L}\.(\s|\)|$)/u.test(el.textContent.trim())) {
        faults.push(`abbreviated: ${name(el)}`);
      }
    }
    if (!touchToo) return faults;
    // What a finger hits: a control, with its labels for a radio button or
    // a check box.
    for (const control of document.querySelectorAll('button, input, select, summary, a.button, label.button')) {
      if (!drawn(control) || control.disabled || control.type === 'file' || control.readOnly) continue;
      const boxes = [control, ...(/^(radio|checkbox)$/.test(control.type) ? control.labels : [])]
        .map((el) => el.getBoundingClientRect());
      const width = Math.max(...boxes.map((r) => r.right)) - Math.min(...boxes.map((r) => r.left));
      const height = Math.max(...boxes.map((r) => r.bottom)) - Math.min(...boxes.map((r) => r.top));
      if (width < finger - 0.5 || height < finger - 0.5) {
        faults.push(`small: ${name(control)} ${Math.round(width)}×${Math.round(height)}`);
      }
    }
    return faults;
  }, FINGER, touch);
}
