# bash completion for linewright                           -*- shell-script -*-
#
# linewright <character> <length> [options]
# Options are case-insensitive; one-letter ones follow "-" or "/", longer
# ones "--" or "/". Works with or without the bash-completion package.
# shellcheck shell=bash

_linewright_options=(
    -L --len --length
    -c --char
    -n --number --quantity
    -b --banner
    -v --verbose --build
    -h --help '-?'
    --h2 --help2 '--??'
    -i --info
    --version-only --build-only
    --audible-error --error-delay
    --debug --debug-mode
)

_linewright() {
    local cur prev cword
    if declare -F _init_completion >/dev/null 2>&1; then
        # shellcheck disable=SC2034 # filled by _init_completion
        local words
        # "=" and ":" stay inside the word, so -n=3 is one word.
        _init_completion -n =: || return
    else
        cur=${COMP_WORDS[COMP_CWORD]}
        prev=${COMP_WORDS[COMP_CWORD - 1]}
        cword=$COMP_CWORD
    fi
    COMPREPLY=()

    # An attached value (-n=3, -c:#) or the word after a value option: any
    # text will do, so there is nothing to offer.
    case $cur in
        *=* | *:*) return ;;
    esac
    case $prev in
        = | :) return ;;
    esac
    case ${prev,,} in
        -c | /c | --char | /char | -n | /n | --number | /number | --quantity | /quantity) return ;;
    esac

    # The character and the length come first and may be anything; an empty
    # word there gets no suggestions.
    if [[ -z $cur && $cword -le 2 ]]; then
        return
    fi

    local lower=${cur,,} option candidate
    for option in "${_linewright_options[@]}"; do
        case $cur in
            /*)
                candidate=${option#-}
                candidate=/${candidate#-}
                ;;
            -* | '') candidate=$option ;;
            *) return ;;
        esac
        if [[ ${candidate,,} == "$lower"* ]]; then
            COMPREPLY+=("$candidate")
        fi
    done
} &&
    complete -F _linewright linewright

# ex: filetype=sh
