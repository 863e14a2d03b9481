# fish completion for veriglyph.
#
# First argument: the mode switches. After a spell in the first position: the
# cypher tags (built-in ones, then the own ones), then "details". After
# --table and --csv: a file name, then TAGS, cypher tags separated by commas.
# After --scan: a file name, then nothing (terms and a number).
#
# The own tags are those of the spellbook veriglyph would use: ./spellbook/
# when the current folder has one, else the one in the data home
# ($VERIGLYPH_HOME, else ${XDG_DATA_HOME:-$HOME/.local/share}/veriglyph).

# True when the token being completed is argument number $argv[1].
function __veriglyph_argument
    set -l tokens (commandline -opc)
    test (count $tokens) -eq $argv[1]
end

# True when the first argument is a spell (not a switch) and the token being
# completed is argument number $argv[1].
function __veriglyph_after_spell
    set -l tokens (commandline -opc)
    test (count $tokens) -eq $argv[1]; or return 1
    not string match -q -- '-*' $tokens[2]
end

# True when the token being completed is argument number $argv[1] of
# --table or --csv: 2 for the file, 3 for the tags.
function __veriglyph_export_operand
    set -l tokens (commandline -opc)
    test (count $tokens) -eq $argv[1]; and contains -- $tokens[2] --table --csv
end

# The spellbook folder in use.
function __veriglyph_spellbook
    if test -d spellbook
        echo ./spellbook
    else if test -n "$VERIGLYPH_HOME"
        echo $VERIGLYPH_HOME/spellbook
    else if test -n "$XDG_DATA_HOME"
        echo $XDG_DATA_HOME/veriglyph/spellbook
    else
        echo $HOME/.local/share/veriglyph/spellbook
    end
end

# The tags on the "tags:" line of each own-cypher file of the spellbook in
# use, each with the cypher's name. Only words of ASCII letters are taken,
# and only the first 200 lines of a file are looked at.
function __veriglyph_own_tags
    for file in (__veriglyph_spellbook)/Cyphers/*.txt
        test -f $file -a -r $file; or continue
        set -l head (head -n 200 -- $file | string trim --right --chars=\r)
        set -l name (string replace -r -f '^name:\s*' '' -- $head)[1]
        set -l line (string replace -r -f '^tags:' '' -- $head)[1]
        for tag in (string split -n ' ' -- (string replace -a \t ' ' -- $line))
            string match -q -r '^[A-Za-z]+$' -- $tag; and printf '%s\t%s\n' $tag $name
        end
    end
end

complete -c veriglyph -f

set -l __veriglyph_first '__veriglyph_argument 1'
complete -c veriglyph -n $__veriglyph_first -l help -d 'Show the help text'
complete -c veriglyph -n $__veriglyph_first -l version -d 'Show the version'
complete -c veriglyph -n $__veriglyph_first -l line -d 'Short one-line report of a spell'
complete -c veriglyph -n $__veriglyph_first -l find -d 'Search the word list by cypher values'
complete -c veriglyph -n $__veriglyph_first -l find-spells -d 'Search your spellbook by cypher values'
complete -c veriglyph -n $__veriglyph_first -l spells -d 'Match a spell against your spellbook'
complete -c veriglyph -n $__veriglyph_first -l spellbook -d 'Match a spell against your spellbook'
complete -c veriglyph -n $__veriglyph_first -l all-spells -d 'Match against the word list and your spellbook'
complete -c veriglyph -n $__veriglyph_first -l match -d 'Rank the word list against a spell'
complete -c veriglyph -n $__veriglyph_first -l html -d 'Write HTML match pages'
complete -c veriglyph -n $__veriglyph_first -l consonant-roots -d 'Show the consonantal root of a spell'
complete -c veriglyph -n $__veriglyph_first -l consonantal-roots -d 'Show the consonantal root of a spell'
complete -c veriglyph -n $__veriglyph_first -l consonant-root -d 'Show the consonantal root of a spell'
complete -c veriglyph -n $__veriglyph_first -l consonantal-root -d 'Show the consonantal root of a spell'
complete -c veriglyph -n $__veriglyph_first -l consonant-roots-match -d 'List words sharing the consonantal root'
complete -c veriglyph -n $__veriglyph_first -l consonantal-roots-match -d 'List words sharing the consonantal root'
complete -c veriglyph -n $__veriglyph_first -l consonant-root-match -d 'List words sharing the consonantal root'
complete -c veriglyph -n $__veriglyph_first -l consonantal-root-match -d 'List words sharing the consonantal root'
complete -c veriglyph -n $__veriglyph_first -l reduction-match -d 'List words with a given digital root'
complete -c veriglyph -n $__veriglyph_first -l table -d 'Totals of every line of a file, tab-separated'
complete -c veriglyph -n $__veriglyph_first -l csv -d 'Totals of every line of a file, as CSV'
complete -c veriglyph -n $__veriglyph_first -l scan -d 'List the phrases of a file with given values'
complete -c veriglyph -n $__veriglyph_first -l serve -d 'Serve the calculator, matches and pages to a browser'

# The built-in cypher tags, each line the tags of one cypher and its name.
set -g __veriglyph_builtin_tags \
    'ord ordinal basic alphabetic|English Ordinal' \
    'red or reduced reduction|English Reduced' \
    'rev ro reverse rev-ord rev-ordinal reverse-ord reverse-ordinal|English Reverse Ordinal' \
    'rev-red rr revred reverse-reduced reverse-reduction|English Reverse-Reduced' \
    'sumer sum sumerian|Sumerian' \
    'eng-ext ee ext engext englishext english-ext englishextended english-extended|English-Extended' \
    'j jew jewish agrippa latin latin-agrippa alva|Jewish' \
    'jr jewred jew-red jew-reduced jew-reduction jewish-reduced jewish-reduction agrippa-reduced jewish-red|Jewish Reduced' \
    's sex sexp s-exp s-exception sexception|S-exception' \
    'kv kvexp kv-exp kvexcept kv-except kv-exception kvexception|K/V Exception' \
    'bacon bcn fb francis-bacon francisbacon|Francis Bacon' \
    'baconis bcns francbaconis franc-baconis|Franc Baconis' \
    'oe oeng old-eng old-english|Old English' \
    'satan st stn satanic|Satanic' \
    'alw alw-qabala alw-qabalah|ALW' \
    'kfw kfw-qabala kfw-qabalah|KFW' \
    'sept spt septenary|Septenary' \
    'pri prime primes|Primes' \
    'tri tr trigonal triangular|Trigonal' \
    'sq square squares|Squares' \
    'fib fibonacci fibsym|Fibonacci'

# Every cypher tag, built-in and own, with its cypher's name. For TAGS, the
# tags already written before the last comma are put in front of each.
function __veriglyph_tags
    set -l before
    if test "$argv[1]" = list
        set before (string match -r '^.*,' -- (commandline -ct))
    end
    for line in $__veriglyph_builtin_tags
        set -l cypher (string split '|' -- $line)
        for tag in (string split ' ' -- $cypher[1])
            printf '%s%s\t%s\n' "$before" $tag $cypher[2]
        end
    end
    for own in (__veriglyph_own_tags)
        printf '%s%s\n' "$before" $own
    end
end

complete -c veriglyph -n '__veriglyph_after_spell 2' -a '(__veriglyph_tags)'
complete -c veriglyph -n '__veriglyph_export_operand 3' -a '(__veriglyph_tags list)'

complete -c veriglyph -n '__veriglyph_after_spell 3' -a details -d 'Show your notes on the total'
complete -c veriglyph -n '__veriglyph_export_operand 2' -F
complete -c veriglyph -n '__veriglyph_argument 2; and contains -- (commandline -opc)[2] --scan' -F
