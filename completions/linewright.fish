# fish completion for linewright <character> <length> [options]
# Options are case-insensitive; one-letter ones follow "-" or "/", longer ones
# "--" or "/". The character and the length are free text: no file names.
# One-letter options are declared old-style (-o) because they cannot be
# combined: -bL is not -b -L.

complete -c linewright -f

complete -c linewright -o L -l len -l length -d 'Display the length after each line'
complete -c linewright -o c -l char -x -d 'Use this character instead of the first argument'
complete -c linewright -o n -l number -l quantity -x -d 'Number of lines, 0 to 1000 (default 1)'
complete -c linewright -o b -l banner -d 'Show the banner first'
complete -c linewright -o v -l verbose -l build -d 'Show build information with the banner'
complete -c linewright -o h -l help -o '?' -d 'Show the help'
complete -c linewright -l h2 -l help2 -l '??' -d 'Show the extended help'
complete -c linewright -o i -l info -d 'Show banner and build information, then exit'
complete -c linewright -l version-only -l build-only -d 'Show build information only, then exit'
complete -c linewright -l audible-error -d 'Beep on a syntax error'
complete -c linewright -l error-delay -d 'Pause after a syntax error'
complete -c linewright -l debug -l debug-mode -d 'Beep and pause on a syntax error'

# The "/" spellings, offered once the word starts with "/".
function __linewright_slash_word
    string match -q -- '/*' (commandline -ct)
end
complete -c linewright -n __linewright_slash_word -a '/L /len /length' -d 'Display the length after each line'
complete -c linewright -n __linewright_slash_word -a '/c /char' -d 'Use this character instead of the first argument'
complete -c linewright -n __linewright_slash_word -a '/n /number /quantity' -d 'Number of lines, 0 to 1000 (default 1)'
complete -c linewright -n __linewright_slash_word -a '/b /banner' -d 'Show the banner first'
complete -c linewright -n __linewright_slash_word -a '/v /verbose /build' -d 'Show build information with the banner'
complete -c linewright -n __linewright_slash_word -a '/h /help "/?"' -d 'Show the help'
complete -c linewright -n __linewright_slash_word -a '/h2 /help2 "/??"' -d 'Show the extended help'
complete -c linewright -n __linewright_slash_word -a '/i /info' -d 'Show banner and build information, then exit'
complete -c linewright -n __linewright_slash_word -a '/version-only /build-only' -d 'Show build information only, then exit'
complete -c linewright -n __linewright_slash_word -a /audible-error -d 'Beep on a syntax error'
complete -c linewright -n __linewright_slash_word -a /error-delay -d 'Pause after a syntax error'
complete -c linewright -n __linewright_slash_word -a '/debug /debug-mode' -d 'Beep and pause on a syntax error'
