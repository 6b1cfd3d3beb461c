# Bash completion for chronavell-date: its options, and the check digit after --class.
# Dates are the user's to type; nothing is offered in their place.

_chronavell_date()
{
    local current=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD - 1]}
    local i
    # Everything after a lone "--" is a date, whatever it looks like.
    for ((i = 1; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} == -- ]] && return 0
    done
    # Bash splits "--class=3" at the equals sign.
    if [[ $previous == --class ||
        ($previous == = && ${COMP_WORDS[COMP_CWORD - 2]} == --class) ]]; then
        mapfile -t COMPREPLY < <(compgen -W '0 1 2 3 4 5 6 7 8 9' -- "$current")
        return 0
    fi
    if [[ $current == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W '--class --to-gregorian --help --version' \
            -- "$current")
    fi
    return 0
}
complete -F _chronavell_date chronavell-date
