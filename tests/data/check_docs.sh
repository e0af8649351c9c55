#!/usr/bin/env bash
# Checks the manual page and the bash completion against the program itself: every
# subcommand and option its --help lists, every rota kind, group, colour and file format it
# takes. Also validates the launcher entry and the AppStream metadata where the tools exist.
# Usage: check_docs.sh KELVANE MANPAGE DATA_DIR
set -uo pipefail
kelvane=$1 manpage=$2 data=$3
export QT_QPA_PLATFORM=offscreen
failures=0
fail()
{
    echo "FAIL: $*"
    failures=$((failures + 1))
}

source "$data/kelvane.bash-completion"
# What the completion offers for the words of a command line, the last one being completed.
complete_line()
{
    COMP_WORDS=(kelvane "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _kelvane
    printf '%s\n' "${COMPREPLY[@]}" | sort -u
}
# The values listed in parentheses at the end of the program's error for a bad value.
listed_values()
{
    "$kelvane" "$@" 2>&1 >/dev/null | sed -n 's/.*(\(it has \)\{0,1\}\([^()]*\))$/\2/p' |
        sed 's/ or /, /; s/, /\n/g; s/ /\n/g' | grep -v '\.\.' | sort -u
}
# Whether the manual page names a subcommand or an option, as a whole word.
manual=$(sed 's/\\-/-/g' "$manpage")
in_manual()
{
    grep -qE -- "(^|[^a-z-])$1([^a-z-]|$)" <<<"$manual"
}
same()
{
    local what=$1 expected=$2 offered=$3
    [ "$expected" = "$offered" ] ||
        fail "$what: the program takes [$(echo $expected)], the completion offers [$(echo $offered)]"
}

# Subcommands and their options, as --help lists them.
subcommands=$("$kelvane" --help | sed -n 's/^  kelvane \([a-z][a-z-]*\).*/\1/p' | grep -v SUBCOMMAND)
[ -n "$subcommands" ] || fail "kelvane --help lists no subcommand"
offered=$(complete_line "")
for option in --help --version; do
    "$kelvane" --help | grep -q -- "$option" || fail "kelvane --help does not list $option"
    in_manual "$option" || fail "the manual page lacks $option"
    grep -qx -- "$option" <<<"$offered" || fail "the completion lacks $option"
done
for subcommand in $subcommands; do
    in_manual "$subcommand" || fail "the manual page lacks $subcommand"
    grep -qx -- "$subcommand" <<<"$offered" || fail "the completion lacks $subcommand"
    options=$("$kelvane" "$subcommand" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
    [ -n "$options" ] || fail "kelvane $subcommand --help lists no option"
    completed=$(complete_line "$subcommand" "-")
    for option in $options; do
        in_manual "$option" || fail "the manual page lacks $option"
        grep -qx -- "$option" <<<"$completed" ||
            fail "the completion of $subcommand lacks $option"
    done
done

# Option values.
same "--kind" "$(listed_values print-year --kind x)" "$(complete_line print-year --kind "")"
same "--colour" "$(listed_values print-year --colour x)" "$(complete_line print-year --colour "")"
same "--format" "$(listed_values print-all --format x)" "$(complete_line print-all --format "")"
same "--group without --kind" "$(listed_values print-year --group x)" \
    "$(complete_line print-year --group "")"
for kind in $(complete_line print-year --kind ""); do
    same "--group of $kind" "$(listed_values print-year --kind "$kind" --group x)" \
        "$(complete_line print-year --kind "$kind" --group "")"
done
same "--group after --kind=" "$(listed_values print-year --kind=four-two --group x)" \
    "$(complete_line print-year --kind = four-two --group = "")"
# A rota file's groups as the file spells them, matched in any case.
scratch=$(mktemp -d)
printf 'name = Kelly\nstart = 2027-01-04\ngroups = A1, Red b7\npattern = WOO\nshift = 1\n' \
    >"$scratch/kelly.rota"
same "--group of a rota file" "$(listed_values print-year --rota "$scratch/kelly.rota" --group x)" \
    "$(complete_line print-year --rota "$scratch/kelly.rota" --group "")"
same "--group r of a rota file" "Red" "$(complete_line print-year --rota "$scratch/kelly.rota" --group r)"
rm -rf "$scratch"
# Every kind by its code too, and the manual page names every kind.
codes=$("$kelvane" print-year --kind x 2>&1 >/dev/null | sed -n 's/.* or \([0-9]*\)\.\.\([0-9]*\))$/\1 \2/p')
[ -n "$codes" ] || fail "print-year --kind x names no range of codes"
for code in $(seq $codes); do
    same "--group of kind $code" "$(listed_values print-year --kind "$code" --group x)" \
        "$(complete_line print-year --kind "$code" --group "")"
done
for kind in $(listed_values print-year --kind x); do
    in_manual "$kind" || fail "the manual page lacks the kind $kind"
done
if "$kelvane" print-year --help | grep -q -- --paper; then
    scratch=$(mktemp -d)
    for paper in $(complete_line print-year --paper ""); do
        "$kelvane" print-year --paper "$paper" --out "$scratch/page.ops" >/dev/null 2>&1
        [ $? -ne 2 ] || fail "the completion offers --paper $paper, which print-year refuses"
    done
    rm -rf "$scratch"
fi

# One version everywhere.
version=$("$kelvane" --version | cut -d' ' -f2)
grep -q "<release version=\"$version\"" "$data"/*.metainfo.xml ||
    fail "the metadata has no release $version"
head -1 "$data/changelog" | grep -q "($version)" || fail "the changelog does not start at $version"
head -1 "$manpage" | grep -q "kelvane $version" || fail "the manual page is not of $version"

# Rendering and validation, where the tools are installed.
if command -v man >/dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -l "$manpage" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns: $warnings"
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$data"/*.desktop || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$data"/*.metainfo.xml >/dev/null ||
        fail "appstreamcli validate: $(appstreamcli validate --no-net "$data"/*.metainfo.xml)"
    desktop=$(basename "$data"/*.desktop)
    grep -q "<id>${desktop%.desktop}</id>" "$data"/*.metainfo.xml ||
        fail "the metadata id is not the launcher entry's name $desktop"
fi

[ "$failures" -eq 0 ] && echo "All checks passed"
exit $((failures > 0))
