# Runs zubkit as a user would and checks exit codes and output.
# Usage: cmake -DZUBKIT=<path> -P zubkit_test.cmake
function(expect code pattern)
  execute_process(COMMAND ${ZUBKIT} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL code)
    message(FATAL_ERROR "zubkit ${ARGN}: exit ${rc}, wanted ${code}\n${out}${err}")
  endif()
  if(NOT "${out}${err}" MATCHES "${pattern}")
    message(FATAL_ERROR "zubkit ${ARGN}: output does not match '${pattern}':\n${out}${err}")
  endif()
endfunction()

expect(0 "zubkit 1\\.0\\.0" --version)
expect(0 "Commands:.*tour" --help)
expect(0 "usage: zubkit const" help const)
expect(0 "usage: zubkit const" const --help)
expect(2 "no command 'nosuch'" nosuch)
expect(2 "COMMAND" )
expect(2 "^zubkit units: unknown option --bogus\nTry 'zubkit help units'[.]\n$" units --bogus)
expect(2 "too many arguments" units extra)
expect(2 "--lnfact wants a whole number from 0 to 1000" const --lnfact 1001)
expect(1 "no constant named 'uc_nothing'" const uc_nothing)
expect(0 "uc_MaxDouble\t1\\.69999999999999999993e\\+308" const uc_MaxDouble)
expect(0 "ln\\(1000!\\) = 5912\\.12817848816" const --lnfact=1000)
expect(0 "9\tZUB_cpuid\tloads 1" units)
expect(0 "^1899-12-30 12:00\n$" date 0.5 --format "yyyy-mm-dd hh:nn")
expect(2 "DAYS wants" date abc)
expect(0 "The package and its constants.*Run-time services" tour)
expect(0 "^ 1\\.235E\\+03\n$" fmt 1234.56 --width 10 --decimals -2)
expect(0 "^-0001\\.50\n$" fmt -1.5 --width -8)
expect(0 "^   \\+1\\.50\n$" fmt 1.5 --width 8 --plus)
expect(0 "^     123\\.5\n$" fmt 123.456 --sigdig 4)
expect(0 "^1,500\n$" fmt 1.5 --auto 4 --comma)
expect(0 "^ 1\\.000000000E-03\n$" fmt 0.001 --data)
expect(2 "is not a number" fmt abc)
expect(2 "--comma goes with --auto" fmt 1 --comma)
expect(2 "choose one of" fmt 1 --auto 3 --data)
expect(0 "^01:02:03\\.25\n$" time 3723.25)
expect(0 "^ 1:02a\n$" time 3723.25 --format 5)
expect(0 "Number and time formatting.*String editing" tour)

# Negative values and values the layouts cannot show.
# A negative number is a value, not an option: fmt -5, date -1 and time -5 need no "--".
expect(0 "^     -5\\.00\n$" fmt -5)
expect(0 "^1899-12-29 00:00:00\n$" date -1)
expect(0 "^-00:00:05\\.00\n$" time -5)
expect(0 "^1899-12-29 06:00\n$" date --format "yyyy-mm-dd hh:nn" -- -1.25)
expect(0 "^0001-01-01 12:00\n$" date --format "yyyy-mm-dd hh:nn" -- -693593.5)
expect(0 "^9999-12-31 12:00\n$" date 2958465.5 --format "yyyy-mm-dd hh:nn")
expect(2 "from -693593 \\(0001-01-01\\) to 2958465 \\(9999-12-31\\), not '-693594'" date -- -693594)
expect(2 "DAYS wants" date 2958466)
expect(0 "^-1h02'03\"\n$" time --format 3 -- -3723.25)
expect(0 "^-10h00\n$" time --format 2 -- -36000)
expect(0 "^-100:00:00\n$" time --format 1 -- -360000)
expect(0 "^00:00:00\n$" time --format 1 -- -0.001)
expect(0 "^65535:59:59\\.99\n$" time 235929599.99)
expect(2 "shorter than 65536 hours .*\nTry 'zubkit help time'" time 235929600)
expect(2 "shorter than 65536 hours" time 1e400)
expect(2 "'inf' is not a number" time inf)
expect(2 "--format wants a whole number from 0 to 5, not '6'" time 1 --format 6)
expect(0 "^11:59p\n$" time 86399.99 --format 5)
expect(2 "--format 5 is a time of day" time 86400 --format 5)
expect(2 "--format 5 is a time of day" time --format 5 -- -1)

# Stream commands on sample files.
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/t.xml "<!-- c --><a x=\"1\">hi\n</a><b/>text <C y=\"2\"/>")
file(WRITE ${WORK}/n.txt "1.5 x 2e3;3,25\n-7 1E999")
file(WRITE ${WORK}/l.txt "a\r\nb\r\nc")
expect(0 "^0\t0\ta\tx=\"1\"\thi\n1\t0\tC\ty=\"2\"\t\n$" tags ${WORK}/t.xml --names a,c)
expect(0 "^0\tC\t2\n$" tags ${WORK}/t.xml --attr y)
expect(0 "^1\\.5\n2000\n3\\.25\n-7\n1\\.7E308\n$" numbers ${WORK}/n.txt --sep both)
expect(0 "^1\\.5\n2\n3\n3\n25\n-7\n1\n999\n$" numbers ${WORK}/n.txt --no-exp)
expect(2 "--sep takes dot, comma or both" numbers ${WORK}/n.txt --sep semi)
expect(1 "Cannot open file" numbers ${WORK}/missing.txt)
expect(0 "^a\nb\nc\n$" lines ${WORK}/l.txt --eol 4)
expect(0 "^3\n$" lines ${WORK}/l.txt --count --eol 4)
expect(0 "^2\n$" lines ${WORK}/l.txt --count)
expect(0 "Streams and tags" tour)

# Tags at every depth: XML with a declaration, comment and CDATA; SVG paths and attributes;
# HTML without its end tags; a pipe, listed as it comes.
file(WRITE ${WORK}/lib.xml "<?xml version=\"1.0\"?>\n<!DOCTYPE lib [ <!ENTITY e \"x\"> ]>\n<!-- a > <b>no tag</b> -->\n"
     "<lib a=\"1\">\n <book\n   id=\"b1\" lang=\"en\"><title>Dune</title><city>Zürich</city><link>u</link>"
     "<note><![CDATA[1 < 2 <i>]]></note></book>\n <book id=\"b2\" t=\"x > y\"/>\n</lib>\n")
string(CONCAT want "^0\tlib\ta=\"1\"\t\n1\tbook\tid=\"b1\" lang=\"en\"\t\n2\ttitle\t\tDune\n2\tcity\t\tZürich\n2\tlink\t\tu\n"
       "2\tnote\t\t1 < 2 <i>\n1\tbook\tid=\"b2\" t=\"x > y\"\t\n$")
expect(0 "${want}" tags ${WORK}/lib.xml)
string(CONCAT want "^0\t1\tbook\tid=\"b1\" lang=\"en\"\t\n2\t2\ttitle\t\tDune\n1\t1\t/book\t\t\n0\t1\tbook\tid=\"b2\" t=\"x > y\"\t\n"
       "1\t1\t/book\t\t\n$")
expect(0 "${want}" tags ${WORK}/lib.xml --names book,/book,title)
file(WRITE ${WORK}/pic.svg "<svg xmlns=\"http://www.w3.org/2000/svg\"><g id=\"outer\"><g id=\"inner\"><rect\n  id=\"r1\" "
     "x=\"1\"/></g><circle id=\"c1\" r=\"2\"/></g><linearGradient id=\"lg\"/></svg>\n")
string(CONCAT want "^svg\txmlns=\"http://www.w3.org/2000/svg\"\t\nsvg/g\tid=\"outer\"\t\nsvg/g/g\tid=\"inner\"\t\n"
       "svg/g/g/rect\tid=\"r1\" x=\"1\"\t\nsvg/g/circle\tid=\"c1\" r=\"2\"\t\nsvg/linearGradient\tid=\"lg\"\t\n$")
expect(0 "${want}" tags ${WORK}/pic.svg --path)
expect(0 "^svg/g\touter\nsvg/g/g\tinner\nsvg/g/g/rect\tr1\nsvg/g/circle\tc1\nsvg/linearGradient\tlg\n$"
       tags ${WORK}/pic.svg --path --attr ID)
file(WRITE ${WORK}/page.html "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>T</title></head>\n"
     "<body><p>one<br>two<p>three<ul><li>a<li>b</ul><img src=\"x.png\">\n<script>if (a < b) w(\"<p>\")</script>"
     "</body></html>\n")
string(CONCAT want "^0\thtml\t\t\n1\thead\t\t\n2\tmeta\tcharset=\"utf-8\"\t\n2\ttitle\t\tT\n1\tbody\t\t\n2\tp\t\t\n3\tbr\t\t\n"
       "2\tp\t\tthree\n2\tul\t\t\n3\tli\t\ta\n3\tli\t\tb\n2\timg\tsrc=\"x\\.png\"\t\n"
       "2\tscript\t\tif \\(a < b\\) w\\(\"<p>\"\\)\n$")
expect(0 "${want}" tags ${WORK}/page.html)
execute_process(COMMAND sh -c "printf '<a x=\"1\"><b>hi</b><c>open' | \"$1\" tags --path -" sh ${ZUBKIT}
                OUTPUT_VARIABLE piped)
if(NOT piped STREQUAL "a\tx=\"1\"\t\na/b\t\thi\na/c\t\topen\n")
  message(FATAL_ERROR "tags from a pipe gave '${piped}'")
endif()
execute_process(COMMAND sh -c "t0=$(date +%s%N); (printf '<a><b/>'; sleep 2; printf '</a>') | \"$1\" tags - | { read a; t1=$(date +%s%N); cat >/dev/null; echo \"$a $(( (t1 - t0) / 1000000 ))\"; }" sh ${ZUBKIT}
                OUTPUT_VARIABLE streamed)
if(NOT streamed MATCHES "^0\ta ([0-9]+)\n$" OR CMAKE_MATCH_1 GREATER 1500)
  message(FATAL_ERROR "tags - did not list its input as it came: '${streamed}'")
endif()

# Lines and text the way Linux files come: UTF-8, legacy Windows-1252, CR ends, binary.
file(WRITE ${WORK}/u.txt "Köln\nZürich €\n")
expect(0 "^Köln\nZürich €\n$" lines ${WORK}/u.txt)
file(WRITE ${WORK}/cr.txt "one\rtwo\r\nthree\nfour")
expect(0 "^3\n$" lines ${WORK}/cr.txt --count)
expect(0 "^one\ntwo\nthree\nfour\n$" lines ${WORK}/cr.txt)
string(ASCII 128 euro)
string(ASCII 233 eacute)
string(ASCII 194 128 c1)
file(WRITE ${WORK}/w.txt "${euro}5 caf${eacute}\n")
expect(0 "^€5 café\n$" lines ${WORK}/w.txt)
expect(0 "^${c1}5 café\n$" lines ${WORK}/w.txt --encoding latin-1)
expect(0 "^€5 café\n$" lines ${WORK}/w.txt --eol 0)
expect(2 "--encoding takes auto" lines ${WORK}/w.txt --encoding ebcdic)
execute_process(COMMAND printf "text\\000more\\n" OUTPUT_FILE ${WORK}/bin.dat)
expect(1 "binary file" lines ${WORK}/bin.dat)
expect(0 "^1\n$" lines ${WORK}/bin.dat --binary --count)
expect(0 "^[1-9][0-9]*\n$" lines /proc/cpuinfo --count)

# Standard input streams: a line comes out when it comes in, and an endless input ends
# when the reader downstream is done.
execute_process(COMMAND sh -c "t0=$(date +%s%N); (echo first; sleep 2; echo second) | \"$1\" lines - | { read a; t1=$(date +%s%N); cat >/dev/null; echo \"$a $(( (t1 - t0) / 1000000 ))\"; }" sh ${ZUBKIT}
                OUTPUT_VARIABLE streamed)
if(NOT streamed MATCHES "^first ([0-9]+)\n$" OR CMAKE_MATCH_1 GREATER 1500)
  message(FATAL_ERROR "lines - did not stream its input: '${streamed}'")
endif()
execute_process(COMMAND timeout 20 sh -c "yes | \"$1\" grep y | head -1" sh ${ZUBKIT} OUTPUT_VARIABLE first RESULT_VARIABLE rc)
if(NOT first STREQUAL "1:1-1:y\n")
  message(FATAL_ERROR "yes | zubkit grep y | head -1 gave '${first}' (exit ${rc})")
endif()

# A failed write is an error with its reason; a broken pipe ends quietly.
function(expect_write_error pattern)
  execute_process(COMMAND ${ZUBKIT} ${ARGN} OUTPUT_FILE /dev/full RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 1 OR NOT err MATCHES "${pattern}")
    message(FATAL_ERROR "zubkit ${ARGN} > /dev/full: exit ${rc}, '${err}'")
  endif()
endfunction()
expect_write_error("^zubkit lines: write error: No space left on device\n$" lines ${WORK}/u.txt)
expect_write_error("^zubkit --version: write error: No space left on device\n$" --version)
expect_write_error("^zubkit grep: write error: No space left on device\n$" grep K ${WORK}/u.txt)
execute_process(COMMAND sh -c "\"$1\" lines \"$2\" >&-" sh ${ZUBKIT} ${WORK}/u.txt RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "write error: Bad file descriptor")
  message(FATAL_ERROR "zubkit lines with standard output closed: exit ${rc}, '${err}'")
endif()
execute_process(COMMAND sh -c "trap '' PIPE; \"$1\" lines /proc/self/maps --binary | head -c 1 >/dev/null; sleep 0" sh ${ZUBKIT} ERROR_VARIABLE err)
if(NOT err STREQUAL "")
  message(FATAL_ERROR "a broken pipe was reported: '${err}'")
endif()

# Colours.
expect(0 "TColor     \\$004763FF\nname       \\$004763FF \\(clTomato\\)\nRGB        255, 99, 71\n" color TOMATO)
expect(0 "RGB        255, 128, 0\n" color "#FF8000")
expect(0 "TColor     \\$000080FF" color "255,128,0")
expect(0 "HSI        -1\\.00, 0\\.000, 0\\.502" color "$808080")
expect(2 "no colour named 'nosuch'" color nosuch)
expect(2 "is not r,g,b" color "1,2,300")
expect(0 "^1\t\\$00545454\t\\$00545454\n2\t\\$00A9A9A9\tDarkGray\n3\t\\$00FFFFFF\tWhite\n$" scale black,white --size 3)
expect(0 "^1\t\\$00400020" scale RAINBOW --size 1000)
expect(2 "--gamma wants" scale rainbow --gamma 3)
expect(2 "at least two key colours" scale red)
expect(0 "" scale red,blue --size 3 --out ${WORK}/s.txt)
file(READ ${WORK}/s.txt written HEX)
# "1 3", then 005400AA, 00A90055, 00FF0000, each line ended by CR LF
if(NOT written STREQUAL "3120330d0a30303534303041410d0a30304139303035350d0a30304646303030300d0a")
  message(FATAL_ERROR "scale --out wrote ${written}")
endif()
# A full disk is a failure, and the device it went to stays.
expect(1 "^zubkit scale: write error: Disk full\n$" scale red,blue --size 3 --out /dev/full)
# --out - writes the same bytes to standard output.
execute_process(COMMAND ${ZUBKIT} scale red,blue --size 3 --out - OUTPUT_FILE ${WORK}/s-stdout.txt)
file(READ ${WORK}/s-stdout.txt written HEX)
if(NOT written STREQUAL "3120330d0a30303534303041410d0a30304139303035350d0a30304646303030300d0a")
  message(FATAL_ERROR "scale --out - wrote ${written}")
endif()
if(NOT EXISTS /dev/full)
  message(FATAL_ERROR "scale --out removed /dev/full")
endif()
expect(0 "Colours.*black to white in three steps: \\$00545454 \\$00A9A9A9 \\$00FFFFFF" tour)

# Colour values beyond 24 bits, the names zubkit prints, grey spellings; scales that skip keys.
expect(2 "'\\$80000005' has more than the 24 bits of \\$BBGGRR" color "$80000005")
expect(2 "more than the 24 bits" color "$FF000005")
expect(2 "more than the 24 bits" color "$1000000")
expect(0 "TColor     \\$000000FF\n" color "$0000000FF")
expect(0 "TColor     \\$000000FF\n" color clRed)
expect(0 "TColor     \\$00808080\n" color grey)
expect(0 "TColor     \\$00A9A9A9\n" color darkgrey)
expect(0 "TColor     \\$00D3D3D3\n" color LightGrey)
expect(0 "TColor     \\$008B8B52\n" color CLDARKSLATEGREY4)
expect(2 "no colour named 'clnosuch'" color clnosuch)
expect(0 "^1\t\\$0000FF00\tLime\n2\t\\$00FF0000\tBlue\nzubkit scale: warning: --size 2 is smaller than the 3 key colours, so some of them are skipped\n$" scale red,lime,blue --size 2)
expect(0 "^1\t[^\n]*\n2\t\\$0000FF00\tLime\n3\t\\$00FF0000\tBlue\n$" scale red,lime,blue --size 3)
expect(0 "^zubkit scale: warning: --size 3 is smaller than the 11 key colours" scale rainbow --size 3 --out ${WORK}/s3.txt)

# Pattern matching, CSV delimiters, tokens.
file(WRITE ${WORK}/g.txt "one\nError code 7\r\nnothing\nerr 12 and err 3\n")
expect(0 "^2:1-12:Error code 7\n4:1-6:err 12 and err 3\n$" grep -i "err.*[0-9]+" ${WORK}/g.txt)
expect(0 "^4:12-16:err 12 and err 3\n$" grep --start 4 "err [0-9]" ${WORK}/g.txt)
expect(0 "^2\n$" grep -ci "ERR" ${WORK}/g.txt)
expect(2 "unknown option -q" grep -iq x ${WORK}/g.txt)
expect(0 "^${WORK}/g.txt:4:12-16:err 12 and err 3\n$" grep -H --start 4 "err [0-9]" ${WORK}/g.txt)
expect(1 "^$" grep zz ${WORK}/g.txt)
# Every file is searched; one that cannot be read gives exit 2 at the end.
expect(2 "^${WORK}/u.txt:1:4-4:Köln\n${WORK}/g.txt:1:2-2:one\n.*missing\\.txt" grep n ${WORK}/u.txt ${WORK}/missing.txt ${WORK}/g.txt)
expect(0 "^2:8-8:Zürich €\n$" grep "€" ${WORK}/u.txt)
expect(0 "^binary file ${WORK}/bin.dat matches\n$" grep more ${WORK}/bin.dat)
# A bad pattern: the library's error text and the character where compilation stopped.
expect(2 "^zubkit grep: error in pattern \"a\\*\\*\" at position 3: \\*, \\?, \\+ have to be applied to groups or sets only\n" grep "a**" ${WORK}/g.txt)
expect(2 "error in pattern \"x\\\\#29y\" at position 2: mismatch of group brackets" grep "x\\#29y" ${WORK}/g.txt)
expect(2 "error in pattern \"\\[0-9\\]-\" at position 6: minus not allowed here" grep "[0-9]-" ${WORK}/g.txt)
expect(2 "error in pattern \"Köl\\+\\?\" at position 5: \\*, \\?, \\+ have to be" grep "Köl+?" ${WORK}/g.txt)
expect(2 "error in pattern \"\\(ab\" at its end: mismatch of group brackets" grep "(ab" ${WORK}/g.txt)
expect(2 "error in pattern \"\\*a\" at position 1: reg\\.exp\\. must not start" grep --explain "*a")
expect(2 "Cannot open file" grep a ${WORK}/missing.txt)
expect(0 "^  taMult0: \\(string\\) ab\n  taMult1: \\(set\\) xyz\nno errors\n$" grep --explain "(ab)*[x-z]+")
# -c counts the matching lines of each file, binary files too, as grep -c does.
expect(0 "^2\n$" grep -c -i "err" ${WORK}/g.txt)
expect(0 "^${WORK}/g.txt:3\n${WORK}/bin.dat:1\n$" grep -c -i "e" ${WORK}/g.txt ${WORK}/bin.dat)
expect(1 "^0\n$" grep --count zz ${WORK}/g.txt)
# Read failures: exit 2 with the file and the reason, whether opening or reading fails.
expect(2 "^zubkit grep: Cannot open file \"${WORK}\"\\. Is a directory\n$" grep a ${WORK})
expect(2 "^${WORK}/g.txt:1:1-3:one\nzubkit grep: Stream read error on file \"/proc/self/mem\": Input/output error\n$" grep one ${WORK}/g.txt /proc/self/mem)
execute_process(COMMAND sh -c "\"$1\" grep -c a - < \"$2\"" sh ${ZUBKIT} ${WORK} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT err MATCHES "^zubkit grep: \\(standard input\\): .*Is a directory\n$")
  message(FATAL_ERROR "grep on a directory as standard input: exit ${rc}\n${err}")
endif()
# Lines are found by a search for the pattern's literal part in the raw bytes: the line
# ends (CR LF split across a 64 KiB block, CR alone), a match across blocks, a
# Windows-1252 line, a last line without an end and the case must come out as when every
# line goes to the matcher, as the same pattern written with sets makes it.
string(REPEAT "x" 65535 xs)
string(REPEAT "y" 65519 ys)
file(WRITE ${WORK}/blocks.txt "${xs}\r\nneedle one\rno\n${ys}needle${ys}\ncaf${eacute} needle\nNEEDLE\nlast needle")
expect(0 "^2:1-6:needle one\n4:65520-65525:y+needley+\n5:6-11:café needle\n7:6-11:last needle\n$" grep needle ${WORK}/blocks.txt)
foreach(options "" "-i" "-c" "-c;-i" "--start;3" "-i;--encoding;latin-1")
  execute_process(COMMAND ${ZUBKIT} grep ${options} needle ${WORK}/blocks.txt OUTPUT_VARIABLE literal)
  execute_process(COMMAND ${ZUBKIT} grep ${options} "[n][e][e][d][l][e]" ${WORK}/blocks.txt OUTPUT_VARIABLE everyLine)
  if(NOT literal STREQUAL everyLine OR literal STREQUAL "")
    message(FATAL_ERROR "grep ${options} needle: the literal search and the matcher on every line differ")
  endif()
endforeach()
expect(0 "^5\n$" grep -c -i needle ${WORK}/blocks.txt)
file(WRITE ${WORK}/c.csv "a;b;c,d\n1;2")
expect(0 "^semicolon: 2 in the first line, next best comma 1; certainty 67%\n$" csv-delim ${WORK}/c.csv)
file(WRITE ${WORK}/none.csv "abc\n")
expect(0 "^undefined" csv-delim ${WORK}/none.csv)
expect(0 "^a,b\nc\n$" tokens "a!,b,c" --sep , --escape !)
expect(0 "^a\nb\n\nc\n$" tokens "a,b,,c" --sep ,)
expect(2 "--sep is required" tokens "a,b")
expect(0 "Pattern matching, tokens and text transforms" tour)

# Files that report no size read whole.
expect(0 "^[1-9][0-9]*\n$" lines /proc/cpuinfo --count)

# The data structures in the tour.
expect(0 "Data structures ==\n#include \"dstruct/ZUB_dstruct.hpp\".*Athens bern Cairo Oslo.*ResolveAsNumber\\(\"scale\"\\) = 2[.]5" tour)

# Sorting lines through the string table.
file(WRITE ${WORK}/c.csv "name;pop\nOslo;709037\nbern;134794\nAthens;643452\nCairo;10230350\n")
expect(0 "^Athens;643452\nbern;134794\nCairo;10230350\nname;pop\nOslo;709037\n$" sort ${WORK}/c.csv)
expect(0 "^Cairo;10230350\nOslo;709037\nAthens;643452\nbern;134794\nname;pop\n$" sort ${WORK}/c.csv --key 2 --numeric --reverse)
execute_process(COMMAND sh -c "printf 'b\\n-1.5\\n10\\n2\\n' | \"$1\" sort - --numeric" sh ${ZUBKIT} OUTPUT_VARIABLE sorted)
if(NOT sorted STREQUAL "-1.5\nb\n2\n10\n")
  message(FATAL_ERROR "sort - --numeric gave '${sorted}'")
endif()
expect(1 "Cannot open file" sort ${WORK}/missing.csv)

# Feature-matrix files: made from CSV, shown, checked.
file(WRITE ${WORK}/p.csv "name;age;height;member;note\nAnna;34;1.72;true;\"says \"\"hi\"\";ok\"\nBo;-5;2;FALSE;\n\nCé;;1e3;;x\n")
expect(0 "^${WORK}/p.fm: 5 features [(]name string, age integer, height double, member tristate, note string[)], 3 objects\n$"
       featmat from-csv ${WORK}/p.csv --out ${WORK}/p.fm)
# The file as bytes: "#featdef 5 1" CR LF first, "1 3 C\xE9" CR LF (Windows-1252) among the values.
file(READ ${WORK}/p.fm saved HEX)
if(NOT saved MATCHES "^2366656174646566203520310d0a31206670"
   OR NOT saved MATCHES "0d0a3120332043e90d0a"
   OR NOT saved MATCHES "0d0a2366656174656e640d0a$")
  message(FATAL_ERROR "featmat from-csv wrote:\n${saved}")
endif()
expect(0 "^${WORK}/p.fm: 5 features, 3 objects\n\nfeature  number  name    kind      sorted  comment  presets\n1        1       name    string    no\n.*\nobject  name  age  height  member  note\n1       Anna  34   1[.]72    true    says \"hi\";ok\n2       Bo    -5   2       FALSE\n3       Cé         1e3             x\n$"
       featmat show ${WORK}/p.fm)
expect(0 "status 0 [(]read[)], 5 features, 3 objects, 0 problems\n$" featmat check ${WORK}/p.fm)
execute_process(COMMAND sh -c "\"$1\" featmat from-csv - < \"$2\" | \"$1\" featmat show -" sh ${ZUBKIT} ${WORK}/p.csv
                OUTPUT_VARIABLE piped RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT piped MATCHES "^[(]standard input[)]: 5 features, 3 objects\n.*3       Cé         1e3             x\n$")
  message(FATAL_ERROR "featmat from-csv - | featmat show - gave (exit ${rc}):\n${piped}")
endif()
file(WRITE ${WORK}/bad.fm "#featvals 2 1\n3 1 x\nfoo\n")
expect(1 "^${WORK}/bad.fm:1: no featdef section before; the features get default descriptors: #featvals 2 1\n${WORK}/bad.fm:2: index outside 2 x 1; ignored: 3 1 x\n${WORK}/bad.fm:3: expected a feature index: foo\n${WORK}/bad.fm: status -3 [(]reading stopped at an error[)], 2 features, 1 object, 3 problems\n$"
       featmat check ${WORK}/bad.fm)
expect(1 "bad.fm: reading stopped at an error" featmat show ${WORK}/bad.fm)
expect(1 "^zubkit featmat: ${WORK}/none.fm: no such file\n$" featmat check ${WORK}/none.fm)
file(WRITE ${WORK}/wide.csv "a,b\n1,2,3\n")
expect(1 "wide.csv:2: 3 fields, but the first line names 2" featmat from-csv ${WORK}/wide.csv)
expect(2 "no action 'list'" featmat list ${WORK}/p.fm)
expect(2 "--out and --encoding go with from-csv" featmat show ${WORK}/p.fm --out x)
expect_write_error("^zubkit featmat: write error: No space left on device\n$" featmat from-csv ${WORK}/p.csv)
expect(0 "TFeatureMatrix.*F001 F003.*GetFeatValInt[(]1, 1[)] = 5000000000.*Component \"Samples\": feature value \"1[.]5\" is not a valid integer number" tour)
