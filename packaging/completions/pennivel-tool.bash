# bash completion for pennivel-tool                                  -*- shell-script -*-

# The categories of the Tips in the data directory, one a line.
_pennivel_tool_categories()
{
    pennivel-tool dump 2>/dev/null |
        sed -n 's/.*"category": "\(\([^"\\]\|\\.\)*\)".*/\1/p' | sort -u
}

_pennivel_tool()
{
    local cur prev words cword
    _init_completion || return

    local commands="check dump setup add list export import pick notify help --help --version"
    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        return
    fi

    case $prev in
        --category)
            local IFS=$'\n'
            COMPREPLY=($(compgen -W "$(_pennivel_tool_categories)" -- "$cur"))
            return
            ;;
        --format)
            COMPREPLY=($(compgen -W "text fortune" -- "$cur"))
            return
            ;;
        --date | --search | --length)
            return
            ;;
        --at-login)
            COMPREPLY=($(compgen -W "on off" -- "$cur"))
            return
            ;;
    esac

    local options=""
    case ${words[1]} in
        check) options="--settings" ;;
        add) options="--date --category" ;;
        list) options="--category --search --and" ;;
        export) options="--format" ;;
        import) options="--category --paragraphs" ;;
        pick) options="--category --search --and --short --long --length --with-number --json" ;;
        notify) options="--category --search --and --short --long --length --at-login" ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help --" -- "$cur"))
        return
    fi
    case ${words[1]} in
        check | dump | export | import) _filedir ;;
    esac
} &&
    complete -F _pennivel_tool pennivel-tool

# ex: filetype=sh
