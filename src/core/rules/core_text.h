// Marks a text of the program that a person reads, so the translation tools
// find it here although this layer knows nothing of them. The windows look
// the text up in the user's language; the text itself stays the English one,
// which is also what files and the command line use.
#pragma once

#define KORVANE_TEXT(text) text
