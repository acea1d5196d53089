// The browser's small key-value storage, which a browser may refuse
// outright (site data blocked): reading it then throws. The page must still
// open in its language with the core's defaults, so a refused read is
// nothing kept, and a refused write answers false for the caller to say so.
export function keptText(key) {
  try {
    return localStorage.getItem(key);
  } catch {
    return null;
  }
}

export function keepText(key, text) {
  try {
    localStorage.setItem(key, text);
    return true;
  } catch {
    return false;
  }
}

export function forget(key) {
  try {
    localStorage.removeItem(key);
  } catch {
    // Nothing could have been kept under it.
  }
}
