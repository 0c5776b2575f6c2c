#!/usr/bin/env bash
# kesto --pdf on the bundled examples in both output units: as many sheets as the text report,
# every page number, the conditions heading and every message line in the PDF's text; the paper
# of the profile; a document that cannot be opened or a file that cannot be written gives
# status 2 and a message.
# Usage: pdf_report_test.sh KESTO KESTO-CLI EXAMPLES-DIR
set -euo pipefail
kesto=$1 cli=$2 examples=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen HOME="$work" XDG_CONFIG_HOME="$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

for unit in 0 1; do
    printf '[Print]\nSIUnitFlag=%s\nOutputColm=2\nOutputRow=1\n' "$unit" >"$work/p.ini"
    for doc in "$examples"/*.kso; do
        name=$(basename "$doc" .kso)-$unit
        "$kesto" --pdf "$work/$name.pdf" "$doc" --profile "$work/p.ini" 2>/dev/null
        "$cli" report "$doc" -o "$work/$name.txt" --profile "$work/p.ini" >/dev/null
        sheets=$(tr -cd '\f' <"$work/$name.txt" | wc -c)
        pages=$(pdfinfo "$work/$name.pdf" | awk '/^Pages:/ {print $2}')
        [ "$pages" -eq "$sheets" ] || fail "$name: $pages sheets in the PDF, $sheets in the report"
        pdftotext -layout "$work/$name.pdf" "$work/$name.pdf.txt"
        text="$work/$name.pdf.txt"
        grep -q '【基本条件】' "$text" || fail "$name: no conditions heading"
        for n in $(seq 1 "$sheets"); do
            grep -q -- "-$n-" "$text" || fail "$name: no page number -$n-"
        done
        # Every message line and page mark of the list is in the PDF.
        grep -E '^(\[|  [EW]：)' "$work/$name.txt" | sed 's/ *$//' | while IFS= read -r line; do
            grep -qF -- "$(echo "$line" | sed 's/^ *//')" "$text" || fail "$name: missing '$line'"
        done
    done
done

# The paper of the profile: A3 landscape sheets (420 x 297 mm).
printf '[Print]\nPaper=A3\nLandscape=1\n' >"$work/a3.ini"
"$kesto" --pdf "$work/a3.pdf" "$examples/example.kso" --profile "$work/a3.ini"
pdfinfo "$work/a3.pdf" | grep -q '^Page size: *1191 x 842 pts (A3)' || fail "not A3 landscape"

set +e
"$kesto" --pdf "$work/x.pdf" "$work/missing.kso" 2>"$work/err"
[ $? -eq 2 ] && [ -s "$work/err" ] || fail "a missing document is not refused"
"$kesto" --pdf "$work/no/dir/x.pdf" "$examples/example.kso" 2>"$work/err"
[ $? -eq 2 ] && [ -s "$work/err" ] || fail "an unwritable file is not refused"
echo "PASS"
