# fish completion for pennivel-tool

function __pennivel_tool_categories
    pennivel-tool dump 2>/dev/null | sed -n 's/.*"category": "\(\([^"\\\\]\|\\\\.\)*\)".*/\1/p' | sort -u
end

set -l commands check dump setup add list export import pick notify help
complete -c pennivel-tool -f
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -a check -d 'Check the Tips or saver settings file'
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -a dump -d 'Print every Tip as JSON'
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -a setup -d 'Create what a first start needs'
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -a add -d 'Add a Tip'
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -a list -d 'Print the Tips'
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -a export -d 'Write the Tips as text or fortune file'
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -a import -d 'Add the sayings of files'
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -a pick -d 'Print one Tip at random'
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -a notify -d 'Show one Tip as a notification'
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -a help -d 'Show the usage'
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -l help -d 'Show the usage'
complete -c pennivel-tool -n "not __fish_seen_subcommand_from $commands" -l version -d 'Show the version'
complete -c pennivel-tool -n "__fish_seen_subcommand_from $commands" -l help -d 'Show the usage of the command'
complete -c pennivel-tool -n "__fish_seen_subcommand_from check" -l settings -d 'Check the screen saver settings file'
complete -c pennivel-tool -n "__fish_seen_subcommand_from check dump export import" -F
complete -c pennivel-tool -n "__fish_seen_subcommand_from add list import pick notify" -l category -x -a '(__pennivel_tool_categories)' -d 'Category'
complete -c pennivel-tool -n "__fish_seen_subcommand_from add" -l date -x -d 'Date of the Tip'
complete -c pennivel-tool -n "__fish_seen_subcommand_from list pick notify" -l search -x -d 'Words to find'
complete -c pennivel-tool -n "__fish_seen_subcommand_from list pick notify" -l and -d 'Every word must be found'
complete -c pennivel-tool -n "__fish_seen_subcommand_from pick notify" -l short -d 'At most N characters'
complete -c pennivel-tool -n "__fish_seen_subcommand_from pick notify" -l long -d 'More than N characters'
complete -c pennivel-tool -n "__fish_seen_subcommand_from pick notify" -l length -x -d 'N, default 160'
complete -c pennivel-tool -n "__fish_seen_subcommand_from pick" -l with-number -d 'Tip number and date first'
complete -c pennivel-tool -n "__fish_seen_subcommand_from pick" -l json -d 'As dump prints it'
complete -c pennivel-tool -n "__fish_seen_subcommand_from notify" -l at-login -x -a 'on off' -d 'At every login'
complete -c pennivel-tool -n "__fish_seen_subcommand_from export" -l format -x -a 'text fortune' -d 'Export format'
complete -c pennivel-tool -n "__fish_seen_subcommand_from import" -l paragraphs -d 'One saying per paragraph'
