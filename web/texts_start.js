// Runs at the top of the page: the texts of the language it will speak are
// asked for at once, while the form and the core are still arriving, so
// that they cost no round trip of their own after them.
import { chooseLanguage, fetchTexts } from './languages.js';

{
  const language = chooseLanguage();
  const texts = fetchTexts(language);
  // Handled where it is awaited; this keeps a failure from being reported
  // as unhandled before then.
  texts.catch(() => {});
  self.korvaneTexts = { language, texts };
}
