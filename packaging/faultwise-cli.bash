# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for faultwise-cli: options, unit types (type ids and part numbers) and dumps.
# The unit types come from the program itself, so they always match the installed version.

_faultwise_cli_types() {
    local cur=$1 candidate
    local -a candidates=()
    local -A seen=()
    while IFS=$'\t' read -r id _ part _; do
        candidates+=("$id" "$part")
    done < <("${COMP_WORDS[0]}" --list 2>/dev/null)
    # Part numbers may hold blanks: offer each one quoted as a single word.
    local unquoted=${cur//\\/}
    unquoted=${unquoted#[\"\']}
    for candidate in "${candidates[@]}"; do
        [[ $candidate == "$unquoted"* && -z ${seen[$candidate]:-} ]] || continue
        seen[$candidate]=1
        COMPREPLY+=("$(printf '%q' "$candidate")")
    done
}

_faultwise_cli_files() {
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$1")
}

_faultwise_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local first=${COMP_WORDS[1]}
    COMPREPLY=()

    if ((COMP_CWORD == 1)); then
        if [[ $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W '--list --info --guess --identify --compare --explain --json --help --version' -- "$cur")
        else
            _faultwise_cli_types "$cur"
        fi
        return
    fi
    case $first in
    --list | --help | -h | --version) ;;
    --info)
        ((COMP_CWORD == 2)) && _faultwise_cli_types "$cur"
        ;;
    --guess)
        ((COMP_CWORD == 2)) && _faultwise_cli_files "$cur"
        ;;
    --identify)
        _faultwise_cli_files "$cur"
        ;;
    --compare)
        ((COMP_CWORD <= 3)) && _faultwise_cli_files "$cur"
        ;;
    --explain | --json)
        # A unit type, then one dump (--explain) or any number of them (--json).
        if ((COMP_CWORD == 2)); then
            _faultwise_cli_types "$cur"
        elif [[ $first == --json ]] || ((COMP_CWORD == 3)); then
            _faultwise_cli_files "$cur"
        fi
        ;;
    *)
        # A unit type, then any number of dumps.
        _faultwise_cli_files "$cur"
        ;;
    esac
}

complete -F _faultwise_cli faultwise-cli
