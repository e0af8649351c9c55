#!/usr/bin/env bash
# Checks what each piece of the program loads at start: the executable only Qt's core
# library, the drawing part no widgets, neither part the printing libraries; and that no
# file carries a run path (an empty entry would make every start look in the current folder).
# Usage: check_pieces.sh FOLDER_OF_THE_EXECUTABLE
set -uo pipefail
folder=$1
failures=0
needed() { readelf -d "$folder/$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
refuses() { # refuses FILE PATTERN WHAT
    if needed "$1" | grep -Eq "$2"; then
        echo "FAIL: $1 loads $3: $(needed "$1" | grep -E "$2" | tr '\n' ' ')"
        failures=$((failures + 1))
    fi
}
refuses kelvane 'Qt6(Gui|Widgets|Sql|PrintSupport)|cups' "more than Qt's core library"
refuses libkelvane-drawing.so 'Qt6(Widgets|PrintSupport)|cups' "the widgets or printing"
refuses libkelvane-window.so 'Qt6PrintSupport|cups' "the printing libraries"
needed libkelvane-printers.so | grep -q Qt6PrintSupport ||
    { echo "FAIL: libkelvane-printers.so does not load Qt's printing library"; failures=$((failures + 1)); }
for file in kelvane libkelvane-drawing.so libkelvane-window.so libkelvane-printers.so; do
    if readelf -d "$folder/$file" | grep -Eq '\((RUNPATH|RPATH)\)'; then
        echo "FAIL: $file has a run path"
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "The program's pieces load what they should."
exit "$failures"
