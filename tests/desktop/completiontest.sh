#!/usr/bin/env bash
# The bash completion of vm280-cli offers the commands, each command's options and the values
# of --lang, --format, --port and --template.
set -uo pipefail
export LC_ALL=C
completion=$1 cli=$2
source "$completion"
# The templates are the ones built beside the program, whatever the user keeps.
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME=$data XDG_DATA_DIRS=$data

failures=0
# expect "WORDS" "OFFERED": completing the last of WORDS offers exactly OFFERED (sorted).
expect()
{
    read -r -a COMP_WORDS <<<"$1"
    [[ $1 == *' ' ]] && COMP_WORDS+=("")
    COMP_WORDS[0]=$cli
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _vm280_cli
    local offered
    offered=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
    if [ "${offered% }" != "$2" ]; then
        echo "FAIL: '$1' offers '${offered% }', expected '$2'"
        failures=$((failures + 1))
    fi
}

expect "vm280-cli " "--help --version -h convert diff export find import new ports read show templates write"
expect "vm280-cli sh" "show"
expect "vm280-cli write --" "--backup --backup-dir --count --help --log --port --repeat --service --verify --yes"
expect "vm280-cli import x.csv --" "--band --base --help --keep --locations --output --strict --to"
expect "vm280-cli export x.DAT --format " "csv html json pdf"
expect "vm280-cli new --" "--help --output --template"
expect "vm280-cli new --template " "China-409MHz FRS PMR446"
expect "vm280-cli new --template f" ""
expect "vm280-cli new --template F" "FRS"
expect "vm280-cli export x.DAT --" "--format --help --job --lang --note --output"
expect "vm280-cli diff a.DAT b.DAT --" "--help --lang --port"
expect "vm280-cli show x.DAT --lang " "en zh zh-Hant"
expect "vm280-cli diff a.DAT b.DAT --lang zh" "zh zh-Hant"
expect "vm280-cli read --port COM1" "COM1 COM10 COM11 COM12 COM13 COM14 COM15 COM16 COM17 COM18 COM19"
expect "vm280-cli read --port /dev/nul" "/dev/null"

[ "$failures" -eq 0 ] && echo "completion ok"
exit "$failures"
