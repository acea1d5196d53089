// What the core asks of the page beyond the C library: web/core.js gives it
// to the module. Named here so that the linker takes it for an import.
mergeInto(LibraryManager.library, {
  korvane_read_decimal() {},
});
