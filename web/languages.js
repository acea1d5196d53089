// Which of the page's languages it speaks, and the texts of each: English
// is in the page itself, every other language a file of its own that is
// fetched only when it is spoken (the service worker keeps them all).
// Made by tools/build_site.py: the page's languages, and the file of each
// translated one.
import { LANGUAGES, TEXT_FILES } from 'korvane-site';

export const LANGUAGE_KEY = 'korvane.language';

// The language chosen before, else the first of the browser's the page
// speaks, else English.
export function chooseLanguage() {
  let stored = null;
  try {
    stored = localStorage.getItem(LANGUAGE_KEY);
  } catch {
    // Storage refused (a private window may): the browser's languages choose.
  }
  if (LANGUAGES.includes(stored)) return stored;
  for (const tag of navigator.languages || [navigator.language]) {
    const primary = String(tag).toLowerCase().split('-')[0];
    if (LANGUAGES.includes(primary)) return primary;
  }
  return 'en';
}

// The translations of `language`, in the order of the page's text keys;
// null for English, whose texts are the keys' own. Rejects when the file
// cannot be had.
export async function fetchTexts(language) {
  if (!TEXT_FILES[language]) return null;
  const response = await fetch(TEXT_FILES[language]);
  if (!response.ok) throw new Error(`${TEXT_FILES[language]}: ${response.status}`);
  return response.json();
}
