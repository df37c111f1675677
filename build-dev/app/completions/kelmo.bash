# bash completion for kelmo, made from its table of options
_kelmo()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    # --option=VALUE: the shell splits the word at '='.
    if [[ $cur == = ]]; then cur=; fi
    if [[ $prev == = && $COMP_CWORD -gt 1 ]]; then prev=${COMP_WORDS[COMP_CWORD-2]}; fi
    case $prev in
        --export|--import|--exclude-from|-X) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --compare|--depth|-d|--largest|--exclude|--threads|-t) COMPREPLY=(); return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--report --export --import --compare --apparent-size --depth --largest --human-readable --si --null --exclude --exclude-from --threads --help --version' -- "$cur"))
    else
        COMPREPLY=($(compgen -d -- "$cur"))
    fi
}
complete -o filenames -F _kelmo kelmo
