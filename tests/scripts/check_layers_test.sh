#!/usr/bin/env bash
# scripts/check-layers on small trees: one that keeps the order passes; an include running up
# the core's layers, one running sideways on the Qt side, and one from a file outside every
# layer fail, each named with its line.
set -euo pipefail
check="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-layers"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

mkdir -p "$tree"/core/{base,model,calc,document,platform} "$tree"/cli "$tree"/app/paint \
         "$tree"/dialogs "$tree"/installer
printf '#include "platform/files.h"\n#include <vector>\n' >"$tree/core/base/numbers.h"
printf '#include "base/numbers.h"\n#include "page_context.h"\n' >"$tree/core/calc/check.h"
printf '#include "calc/check.h"\n#include "model/page.h"\n' >"$tree/core/document/doc.h"
printf '#include "document/doc.h"\n' >"$tree/cli/main.cpp"
printf '#include "dialogs/d.h"\n#include "installer/i.h"\n' >"$tree/app/main_window.cpp"
printf '#include "app/paint/cell_painter.h"\n#include "tables/lookup.h"\n' >"$tree/dialogs/d.h"
printf '#include "base/codepage.h"\n#include "platform/files.h"\n' >"$tree/installer/i.h"

expect() {
    local want=$1 pattern=$2 out rc=0
    out=$("$check" "$tree" 2>&1) || rc=$?
    if [ "$want" = pass ] && [ $rc -ne 0 ]; then
        echo "expected a pass, got:"; echo "$out"; exit 1
    fi
    if [ "$want" = fail ] && { [ $rc -eq 0 ] || ! grep -qF -- "$pattern" <<<"$out"; }; then
        echo "expected a failure naming $pattern, got:"; echo "$out"; exit 1
    fi
}

expect pass ""
printf '#include "calc/check.h"\n' >>"$tree/core/model/page.h"
expect fail 'core/model/page.h:1: includes "calc/check.h"'
rm "$tree/core/model/page.h"
printf '\n#include "app/page_view.h"\n' >>"$tree/dialogs/d.h"
expect fail 'dialogs/d.h:4: includes "app/page_view.h"'
rm "$tree/dialogs/d.h"
printf '#include "model/page.h"\n' >"$tree/installer/i.h"
expect fail 'installer/i.h:1: includes "model/page.h"'
printf '#include "base/numbers.h"\n' >"$tree/installer/i.h"
mkdir -p "$tree/core/extra"
printf '#include "base/numbers.h"\n' >"$tree/core/extra/x.h"
expect fail 'core/extra/x.h: not in a known layer'
echo "check-layers behaves"
