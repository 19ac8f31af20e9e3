#!/bin/sh
# The grading tool's PDF of the golden pair, under a Czech test name: a valid
# PDF whose text holds the name and the values of the report, the protocol
# and the error table; a PDF that cannot be written ends with exit code 1 and
# leaves nothing behind.
# Usage: program_pdf.sh TYMBA_VYHODNOCENI GOLDEN_DIR WORK_DIR
set -eu
program=$1 golden=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
cp "$golden/zadani.txt" "$work/Žluťoučký kůň.txt"

"$program" --pdf "$work/vyhodnocení.pdf" "$work/Žluťoučký kůň.txt" "$golden/napsano.txt" 4 75 \
  > "$work/report.txt"
cmp "$work/report.txt" "$golden/vystup.txt"
pdfinfo "$work/vyhodnocení.pdf" | grep -qx 'Title: *Vyhodnocení: Žluťoučký kůň'
pdftotext -layout "$work/vyhodnocení.pdf" - | sed 's/  */ /g' > "$work/pdf.txt"
while IFS= read -r line; do
  grep -qxF "$line" "$work/pdf.txt" || { echo "missing in the PDF: $line" >&2; exit 1; }
done <<'LINES'
Název testu: Žluťoučký kůň
Doba testu: 1 : 15 min
Hrubé úhozy: 76
Počet chyb: 2
Čisté úhozy: 42
Čisté úhozy za minutu: 33
Procento chyb: 6,8966
bílý pes bžěí za ním až domů.
ě - 1
LINES

if "$program" --pdf "$work/chybi/x.pdf" "$work/Žluťoučký kůň.txt" "$golden/napsano.txt" 4 75 \
  > /dev/null 2> "$work/errors.txt"; then
  echo "a PDF in a missing folder was reported written" >&2; exit 1
fi
grep -qxF "Vyhodnocení nelze uložit do souboru '$work/chybi/x.pdf'." "$work/errors.txt"
test ! -e "$work/chybi"
