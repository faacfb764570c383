#!/usr/bin/env bash
# The dependency check fails on each kind of include that crosses the layers the wrong way, and
# passes on the same files without it.
#   dependency_check_test.sh CHECKER
set -uo pipefail
checker=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# FILE % INCLUDE LINE that must be refused there
cases=(
  'automation/variant.h % #include "ui/font.h"'
  'automation/variant.h % #include "platform/desktop.h"'
  'platform/desktop.h % #include "ui/control.h"'
  'platform/desktop.h % #include <QWidget>'
  'workbook/print_plan.h % #include "ui/edit.h"'
  'workbook/print_plan.h % #include "app/main_unit.h"'
  'platform/libreoffice/session.h % #include "ui/form.h"'
  'supervision/supervisor.h % #include "platform/desktop.h"'
  'supervision/supervisor.h % #include "workbook/print_plan.h"'
  'supervision/supervisor.cpp % #include <windows.h>'
  'commands/command_run.h % #include "app/main_unit.h"'
  'commands/command_run.cpp % #include "platform/libreoffice/session.h"'
  'platform/com/com_dispatch.h % #include "ui/form.h"'
  'platform/registry/component_registry.h % #include "ui/form.h"'
  'ui/form.h % #include "workbook/print_plan.h"'
  'i18n/caption_switch.h % #include "app/main_unit.h"'
  'app/main_unit.h % #include "platform/qt/qt_desktop.h"'
  'app/main_unit.h % #include "programs/linux/x.h"'
  'ui/form.h % #include <windows.h>'
  'i18n/caption_switch.cpp % #include <libxml/parser.h>'
  'workbook/print_plan.cpp % #include <cups/cups.h>'
  'app/main_unit.cpp % #include <com/sun/star/frame/XModel.hpp>'
)

failures=0
for case in "${cases[@]}"; do
  file=${case%% % *}
  line=${case#* % }
  rm -rf "$work/tree" && mkdir -p "$work/tree/$(dirname "$file")"
  printf '#include <string>\n#include "%s/fine.h"\n' "$(dirname "$file")" >"$work/tree/$file"
  if ! "$checker" "$work/tree" >/dev/null 2>&1; then
    echo "FAIL the check refuses a file without the crossing: $file"
    failures=$((failures + 1))
  fi
  echo "$line" >>"$work/tree/$file"
  if "$checker" "$work/tree" >/dev/null 2>&1; then
    echo "FAIL not refused: $line in $file"
    failures=$((failures + 1))
  fi
done
echo "${#cases[@]} crossings, $failures failures"
[ "$failures" -eq 0 ]
