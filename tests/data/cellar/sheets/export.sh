#!/bin/sh
# Exports each sheet here as LibreOffice Calc saves "Text CSV" in its
# country: the locale's decimal mark, a semicolon where the comma is that
# mark, UTF-8. The CSV files beside this folder are what it wrote; run it
# again only to make them anew (needs soffice).
set -eu
cd "$(dirname "$0")"
export_sheet() { # sheet locale separator(ASCII code) output
    out=$(mktemp -d)
    LC_ALL="$(echo "$2" | tr - _).UTF-8" soffice --headless \
        --convert-to "csv:Text - txt - csv (StarCalc):$3,34,76,1,,$2" --outdir "$out" "$1.fods" >/dev/null
    mv "$out/$1.csv" "../$4"
    rmdir "$out"
}
export_sheet cuves_fr fr-FR 59 cuves_libreoffice_fr.csv
export_sheet cuves_limites_fr fr-FR 59 cuves_limites_libreoffice_fr.csv
export_sheet vasche_it it-IT 59 vasche_libreoffice_it.csv
export_sheet depositos_es es-ES 59 depositos_libreoffice_es.csv
export_sheet tanks_de de-DE 59 tanks_libreoffice_de.csv
export_sheet depositos_pt pt-PT 59 depositos_libreoffice_pt.csv
export_sheet tanks_en en-US 44 tanks_libreoffice_en.csv
