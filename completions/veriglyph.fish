# fish completion for veriglyph.
#
# First argument: the mode switches. After a spell in the first position: the
# cypher tags (built-in ones, then those of ./spellbook/Cyphers/*.txt), then
# "details". A file name after --table and --csv.

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

# True when the token being completed is the file of --table or --csv.
function __veriglyph_file_operand
    set -l tokens (commandline -opc)
    test (count $tokens) -eq 2; and contains -- $tokens[2] --table --csv
end

# The tags on the "tags:" line of each own-cypher file in ./spellbook/Cyphers,
# each with the cypher's name. Only words of ASCII letters are taken, and only
# the first 200 lines of a file are looked at.
function __veriglyph_own_tags
    for file in ./spellbook/Cyphers/*.txt
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
for spelling in consonant-roots consonantal-roots consonant-root consonantal-root
    complete -c veriglyph -n $__veriglyph_first -l $spelling -d 'Show the consonantal root of a spell'
    complete -c veriglyph -n $__veriglyph_first -l $spelling-match -d 'List words sharing the consonantal root'
end
complete -c veriglyph -n $__veriglyph_first -l reduction-match -d 'List words with a given digital root'
complete -c veriglyph -n $__veriglyph_first -l table -d 'Totals of every line of a file, tab-separated'
complete -c veriglyph -n $__veriglyph_first -l csv -d 'Totals of every line of a file, as CSV'

set -l __veriglyph_tag '__veriglyph_after_spell 2'
complete -c veriglyph -n $__veriglyph_tag -a 'ord ordinal basic alphabetic' -d 'English Ordinal'
complete -c veriglyph -n $__veriglyph_tag -a 'red or reduced reduction' -d 'English Reduced'
complete -c veriglyph -n $__veriglyph_tag -a 'rev ro reverse rev-ord rev-ordinal reverse-ord reverse-ordinal' -d 'English Reverse Ordinal'
complete -c veriglyph -n $__veriglyph_tag -a 'rev-red rr revred reverse-reduced reverse-reduction' -d 'English Reverse-Reduced'
complete -c veriglyph -n $__veriglyph_tag -a 'sumer sum sumerian' -d Sumerian
complete -c veriglyph -n $__veriglyph_tag -a 'eng-ext ee ext engext englishext english-ext englishextended english-extended' -d English-Extended
complete -c veriglyph -n $__veriglyph_tag -a 'j jew jewish agrippa latin latin-agrippa alva' -d Jewish
complete -c veriglyph -n $__veriglyph_tag -a 'jr jewred jew-red jew-reduced jew-reduction jewish-reduced jewish-reduction agrippa-reduced jewish-red' -d 'Jewish Reduced'
complete -c veriglyph -n $__veriglyph_tag -a 's sex sexp s-exp s-exception sexception' -d S-exception
complete -c veriglyph -n $__veriglyph_tag -a 'kv kvexp kv-exp kvexcept kv-except kv-exception kvexception' -d 'K/V Exception'
complete -c veriglyph -n $__veriglyph_tag -a 'bacon bcn fb francis-bacon francisbacon' -d 'Francis Bacon'
complete -c veriglyph -n $__veriglyph_tag -a 'baconis bcns francbaconis franc-baconis' -d 'Franc Baconis'
complete -c veriglyph -n $__veriglyph_tag -a 'oe oeng old-eng old-english' -d 'Old English'
complete -c veriglyph -n $__veriglyph_tag -a 'satan st stn satanic' -d Satanic
complete -c veriglyph -n $__veriglyph_tag -a 'alw alw-qabala alw-qabalah' -d ALW
complete -c veriglyph -n $__veriglyph_tag -a 'kfw kfw-qabala kfw-qabalah' -d KFW
complete -c veriglyph -n $__veriglyph_tag -a 'sept spt septenary' -d Septenary
complete -c veriglyph -n $__veriglyph_tag -a 'pri prime primes' -d Primes
complete -c veriglyph -n $__veriglyph_tag -a 'tri tr trigonal triangular' -d Trigonal
complete -c veriglyph -n $__veriglyph_tag -a 'sq square squares' -d Squares
complete -c veriglyph -n $__veriglyph_tag -a 'fib fibonacci fibsym' -d Fibonacci
complete -c veriglyph -n $__veriglyph_tag -a '(__veriglyph_own_tags)'

complete -c veriglyph -n '__veriglyph_after_spell 3' -a details -d 'Show your notes on the total'
complete -c veriglyph -n __veriglyph_file_operand -F
