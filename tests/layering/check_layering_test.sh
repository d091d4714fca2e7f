#!/usr/bin/env bash
# The layering check passes on the sources and fails on copies with planted violations.
# Usage: check_layering_test.sh SOURCE_DIR
set -euo pipefail
root=$1
check="$root/scripts/check-layering"
"$check" "$root/src" || { echo "FAIL: the sources break the layering" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
plant() {  # plant FILE LINE: a copy of src/ with LINE added to FILE must fail the check
  rm -rf "$work/src"
  cp -r "$root/src" "$work/src"
  mkdir -p "$(dirname "$work/src/$1")"
  echo "$2" >> "$work/src/$1"
  if "$check" "$work/src" 2>/dev/null; then echo "FAIL: not caught: $2 in $1" >&2; exit 1; fi
}
plant probe/riff_reader.cpp '#include "app/main_window.h"'
plant list/sort.cpp '#include <QString>'
plant platform/cp932.h '#include <QtCore/QObject>'
plant cli/cli.cpp '#include "res/command_ids.h"'
plant platform/extra_dialog.cpp '// a dialog where the core is built'
plant edit/find_dialog.cpp '#include "app/main_window.h"'
plant scan/playback_check_dialog.h '#include "app/list_view.h"'
plant settings/settings_dialog.cpp '#include  "app/window_state.h"'
plant settings/html_options_dialog.cpp '#include "app/dialog_units.hpp"'
plant edit/entry_edit_dialog.cpp '#include "res/command_ids.h"'
echo ok
