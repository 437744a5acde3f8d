#!/usr/bin/env bash
# Runs every program of the suite on the sample data in a fresh folder, renders
# a figure of every plottable output and writes index.html, one page showing
# the run: the summary table, the estimates beside their true values, and
# every figure with its caption.
# Usage: demo/run_demo.sh [BUILD_DIR [OUTPUT_DIR]]
#   BUILD_DIR   a built tree, or the prefix of an installed suite: the
#               programs are where BUILD_DIR/bin/physics-suite finds them
#               (default: build/release of the source tree, or the prefix
#               this script is installed under)
#   OUTPUT_DIR  made when missing (default: demo-output in the current
#               directory); an existing folder is used, and cleared, only when
#               it is empty or an earlier demo run left its marker file
#               .physics-suite-demo there: the demo deletes nothing it did not make
# Each program's standard output and error are kept as NAME.stdout and
# NAME.stderr. A program or figure that fails makes the demo fail, naming it.
# The demo installs nothing: without gnuplot it writes every data file and the
# page, and says which figures it skipped (scripts/install-deps.sh installs
# gnuplot and groff).
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
default_build=$root/build/release
[ -d "$default_build/bin" ] || default_build=$root/../..
build=$(cd "${1:-$default_build}" && pwd) || exit 1
out=${2:-demo-output}
# A folder of the user's is refused before any program runs.
marker=.physics-suite-demo
if [ -d "$out" ] && [ -n "$(ls -A "$out")" ] && [ ! -f "$out/$marker" ]; then
    echo "run_demo.sh: $out is not empty and was not made by the demo" >&2
    exit 1
fi

# An installation keeps the programs out of bin/, in the folder the
# dispatcher names; a build tree has them in bin/ beside it.
bin=$build/bin
if [ -x "$bin/physics-suite" ]; then
    bin=$("$bin/physics-suite" --path) || exit 1
fi
mkdir -p "$out" || exit 1
out=$(cd "$out" && pwd)
cd "$out" || exit 1
find . -mindepth 1 -delete || exit 1
touch "$marker"

# gnuplot renders the figures, groff's html device the manual pages; either
# may be missing (the demo then goes on without it and says so).
have_gnuplot=$(command -v gnuplot || true)
skipped_figures=()
groff_html=false
groff -Thtml </dev/null >/dev/null 2>&1 && groff_html=true

sections=()                 # section ids in page order
declare -A section_title section_text section_notes
current_section=""
runs=()        # section|name|log|status|seconds|files
failed=()
figures=()     # section|name|caption
estimates=()   # section|program|quantity|estimate|true value|uncertainty
results=()     # section|table or screen|caption|file
accuracy=()    # study|method|error|work|measured slope|theoretical slope|figure

# section ID TITLE TEXT: starts (or, with a known ID, resumes) a section of the
# page; the runs, estimates and figures that follow belong to it.
section() {
    if [ -z "${section_title[$1]+set}" ]; then
        sections+=("$1")
        section_title[$1]=$2
        section_text[$1]=$3
    fi
    current_section=$1
}

# section_note ID TEXT: a sentence added to the section's paragraph.
section_note() {
    section_notes[$1]="${section_notes[$1]:-}$2 "
}

# run_step [-i STDIN_TEXT] [-l LOG] NAME [ARG...]: runs one program here and
# records it, its standard output and error kept as LOG.stdout and LOG.stderr
# (LOG is NAME but for a second run of a program).
run_step() {
    local input="" log=""
    if [ "$1" = "-i" ]; then input=$2; shift 2; fi
    if [ "$1" = "-l" ]; then log=$2; shift 2; fi
    local name=$1; shift
    log=${log:-$name}
    local stamp start end status files
    stamp=$(mktemp)
    start=$(date +%s.%N)
    printf '%s' "$input" | "$bin/$name" "$@" >"$log.stdout" 2>"$log.stderr"
    status=$?
    end=$(date +%s.%N)
    files=$(find . -maxdepth 1 -type f -newer "$stamp" ! -name '*.stdout' ! -name '*.stderr' \
            -printf '%f\n' | sort | tr '\n' ' ')
    rm -f "$stamp"
    runs+=("$current_section|$name|$log|$status|$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }')|${files% }")
    if [ "$status" -ne 0 ]; then
        failed+=("$log")
        echo "demo: $log FAILED with status $status:" >&2
        sed 's/^/  /' "$log.stderr" >&2
    fi
}

# reported VAR LOG SED_SCRIPT WHAT: sets VAR to the first line the sed script
# (run with -n) prints from LOG.stderr; a run that does not say WHAT there
# fails the demo, naming it.
reported() {
    local text
    text=$(sed -n "$3" "$2.stderr" 2>/dev/null | head -n 1)
    if [ -z "$text" ]; then
        failed+=("$2 ($4)")
        echo "demo: $2 did not say $4 on standard error" >&2
    fi
    printf -v "$1" '%s' "$text"
}

# tau_interval VAR LOG SCALE: sets VAR to "A to B", the interval of tau where
# the chi-square lies within 1 of its minimum, as the lifetime fit LOG run
# with --interval=1 said it, in seconds times SCALE.
tau_interval() {
    local seconds
    reported seconds "$2" 's/^[a-z_]*: tau [^ ]* s, chi-square within 1 of its minimum from \([^ ]*\) to \([^ ]*\) s$/\1 \2/p' \
        "tau's one-sigma interval"
    printf -v "$1" '%s' "$(awk -v s="$3" 'NF == 2 { printf "%.4g to %.4g", $1 * s, $2 * s }' <<<"$seconds")"
}

# plot_step NAME CAPTION [ARG...]: renders plots/NAME.gp (which reads the data
# files of this folder by name, and the ARGs after the PNG's name) into NAME.png.
plot_step() {
    local name=$1 caption=$2
    shift 2
    if [ -z "$have_gnuplot" ]; then
        skipped_figures+=("$name")
        return 0
    fi
    if gnuplot -c "$root/plots/$name.gp" "$name.png" "$@" 2>"$name.plot.log" && [ -s "$name.png" ]; then
        rm -f "$name.plot.log"
        figures+=("$current_section|$name|$caption")
    else
        failed+=("plot $name")
        echo "demo: plot $name FAILED:" >&2
        sed 's/^/  /' "$name.plot.log" >&2
    fi
}

# estimate PROGRAM QUANTITY ESTIMATE TRUE_VALUE [UNCERTAINTY]: one row of the
# estimates table; the uncertainty is a standard error S or an interval
# "A to B" the program gave.
estimate() {
    estimates+=("$current_section|$1|$2|$3|$4|${5:-}")
}

# table CAPTION FILE: a table of the section, from FILE's tab-separated lines,
# the first the header.
table() {
    results+=("$current_section|table|$1|$2")
}

# screen CAPTION FILE: a screen of the section, FILE shown as it was printed.
screen() {
    results+=("$current_section|screen|$1|$2")
}

# last_screen FILE: the last screen a terminal program drew, a block of lines
# after the blank lines that clear the screen.
last_screen() {
    awk 'BEGIN { RS = "" } { last = $0 } END { print last }' "$1"
}

# measure NAME [ARG...]: one run of a program for an accuracy study, standard
# input passed on; prints its standard output, and on failure says which run
# failed and returns its status.
measure() {
    local name=$1; shift
    local output status
    output=$("$bin/$name" "$@" 2>accuracy.stderr)
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "demo: accuracy study run '$name $*' FAILED with status $status:" >&2
        sed 's/^/  /' accuracy.stderr >&2
    fi
    rm -f accuracy.stderr
    printf '%s\n' "$output"
    return "$status"
}

# study TABLE NAME CAPTION: the function TABLE writes the study's data NAME.dat
# (work, error), which plots/NAME.gp fits and draws into NAME.png, writing the
# fitted slopes to NAME.slopes.
study() {
    local table=$1 name=$2 caption=$3
    if ! "$table" >"$name.dat"; then
        failed+=("accuracy study ${name#accuracy_}")
        echo "demo: accuracy study ${name#accuracy_} FAILED" >&2
        return
    fi
    plot_step "$name" "$caption"
}

# accuracy_row NAME LINE STUDY METHOD ERROR WORK THEORY: one row of the
# Accuracy table, its measured slope from line LINE of NAME.slopes.
accuracy_row() {
    local measured="not measured"
    [ -s "$1.slopes" ] && measured=$(sed -n "$2p" "$1.slopes")
    accuracy+=("$3|$4|$5|$6|$measured|$7|$1")
}

escape_html() {
    sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g'
}

# html TEXT: the text escaped for the page, without a process of its own (the
# page takes some hundred of these).
html() {
    local text=${1//'&'/'&amp;'}
    text=${text//'<'/'&lt;'}
    text=${text//'>'/'&gt;'}
    echo "${text//'"'/'&quot;'}"
}

# powers TEXT: the text for the page, with 10^N and h^N as superscripts and
# 5x10 as 5 times 10.
powers() {
    html "$1" | sed -E -e 's/\^([0-9]+)/<sup>\1<\/sup>/g' -e 's/([0-9])x10/\1\&times;10/g'
}

# link FILE [TEXT]: a link to a file of this folder.
link() {
    echo "<a href=\"$(html "$1")\">$(html "${2:-$1}")</a>"
}

# relative_error ESTIMATE TRUE_VALUE: (estimate - true) / true, where the true
# value is the number at the start of its text; empty for a non-number.
relative_error() {
    awk -v e="$1" -v t="$2" 'BEGIN {
        if (e ~ /^[-+]?[0-9]*\.?[0-9]+([eE][-+]?[0-9]+)?$/ && t + 0 != 0) printf "%+.1e", (e - t) / t }'
}

# deviation ESTIMATE TRUE_VALUE UNCERTAINTY: (estimate - true) in units of the
# standard error, or of the interval's half on the side of the true value;
# empty without an uncertainty.
deviation() {
    awk -v e="$1" -v t="$2" -v u="$3" 'BEGIN {
        if (e !~ /^[-+]?[0-9]*\.?[0-9]+([eE][-+]?[0-9]+)?$/) exit
        if (split(u, end, " to ") == 2) s = t + 0 > e + 0 ? end[2] - e : e - end[1]; else s = u + 0
        if (s > 0) printf "%+.2f", (e - t) / s }'
}

# uncertainty_text UNCERTAINTY: a standard error as "±S" to two digits, an
# interval as it is.
uncertainty_text() {
    case $1 in
        "" | *" to "*) echo "$1" ;;
        *) awk -v s="$1" 'BEGIN { printf "±%.2g\n", s }' ;;
    esac
}

# The section of a page: the programs' pages are in the suite's own section
# 1phys, the dispatcher's in 1.
page_section() {
    if [ "$1" = physics-suite ]; then echo 1; else echo 1phys; fi
}

# Where the manual page NAME.SECTION lives, as installed (section 1phys
# written into the programs' pages): the build tree's man/pages, or the
# share/man of the installation this demo belongs to (compressed in both);
# the source tree's man/ for the pages it holds as they are installed.
manual_source() {
    local page dir=man${2%%[!0-9]*}
    for page in "$build/man/pages/$1.$2.gz" "$root/../man/$dir/$1.$2.gz" "$root/../man/$dir/$1.$2" \
            "$root/man/$1.$2"; do
        [ -f "$page" ] && { echo "$page"; return 0; }
    done
    return 1
}

# render_manual NAME SECTION: man/NAME.SECTION.html, by groff's html device,
# or as preformatted text where that device is missing.
render_manual() {
    local page target=man/$1.$2.html
    page=$(manual_source "$1" "$2") || return 1
    if $groff_html; then
        # With a viewport line, a phone shows the page at its own width.
        zcat -f "$page" | groff -man -Thtml 2>/dev/null |
            sed 's|^<head>$|&<meta name="viewport" content="width=device-width, initial-scale=1">|' >"$target"
    else
        {
            echo "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\"><meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
            echo "<title>$1($2)</title></head><body><pre>"
            zcat -f "$page" | groff -man -Tutf8 -P-cbou 2>/dev/null | escape_html
            echo '</pre></body></html>'
        } >"$target"
    fi
}

# manual_link NAME [SECTION]: the program's name, linked to its rendered page.
manual_link() {
    local section=${2:-$(page_section "$1")}
    if [ -s "man/$1.$section.html" ]; then link "man/$1.$section.html" "$1"; else html "$1"; fi
}

write_page() {
    local row id name log status seconds files file program quantity value truth uncertainty caption
    local method error work measured theory figure_number=0 tab kind
    local ended=true uncertain
    mkdir -p man
    for row in "${runs[@]}"; do
        IFS='|' read -r id name _ <<<"$row"
        [ -s "man/$name.1phys.html" ] || render_manual "$name" 1phys
    done
    render_manual make_sample_data 1phys
    render_manual physics-suite 1
    render_manual physics_suite 7
    {
        echo '<!DOCTYPE html>'
        echo '<html lang="en"><head><meta charset="utf-8">'
        echo '<meta name="viewport" content="width=device-width, initial-scale=1">'
        echo '<title>Physics suite demo run</title>'
        echo '<style>body{font-family:sans-serif;line-height:1.45;max-width:62em;margin:auto;padding:0 1em}'
        echo '.scroll{overflow-x:auto;margin:1em 0}table{border-collapse:collapse}'
        echo 'td,th{border:1px solid #999;padding:2px 8px;text-align:left;vertical-align:top}th{background:#eee}'
        echo '.failed{color:#b00;font-weight:bold}figure{margin:2em 0}img{max-width:100%;height:auto}'
        echo 'figcaption{font-size:0.95em}pre{margin:0.5em 0;line-height:1.15}nav ol{columns:2}@media (max-width:40em){nav ol{columns:1}}</style></head><body>'
        echo '<h1>Physics suite demo run</h1>'
        echo "<p>Every program of the suite, run on the generated sample data in this folder on $(html "$(date -u '+%Y-%m-%d %H:%M UTC')"),"
        echo "followed by accuracy studies of its methods. Each section below says what its programs compute, gives their estimates beside the true values"
        echo "the sample data were made with, and shows their figures, tables and final screens. The manual pages are linked from the program names; $(manual_link physics_suite 7) is the overview."
        echo "An installation reaches every program as $(manual_link physics-suite) NAME.</p>"
        [ ${#skipped_figures[@]} -eq 0 ] ||
            echo "<p class=\"failed\">gnuplot is not installed here, so these figures were not rendered: $(html "${skipped_figures[*]}").</p>"
        echo '<nav><h2>Contents</h2><ol><li><a href="#programs">Programs</a></li>'
        for id in "${sections[@]}"; do
            echo "<li><a href=\"#$id\">$(html "${section_title[$id]}")</a></li>"
        done
        echo '</ol></nav>'

        echo '<h2 id="programs">Programs</h2>'
        echo "<p>$(manual_link make_sample_data) wrote the inputs:"
        for file in $sample_files; do echo "$(link "$file")"; done
        echo '</p><div class="scroll"><table><tr><th>program</th><th>section</th><th>exit status</th><th>seconds</th><th>files written</th><th>terminal output</th></tr>'
        for row in "${runs[@]}"; do
            IFS='|' read -r id name log status seconds files <<<"$row"
            [ "$status" = 0 ] || status="<span class=\"failed\">$status</span>"
            echo "<tr><td>$(manual_link "$name")</td><td><a href=\"#$id\">$(html "${section_title[$id]}")</a></td><td>$status</td><td>$seconds</td><td>"
            for file in $files; do echo "$(link "$file")"; done
            echo '</td><td>'
            for file in "$log.stdout" "$log.stderr"; do [ -s "$file" ] && echo "$(link "$file")"; done
            echo '</td></tr>'
        done
        echo '</table></div>'

        for id in "${sections[@]}"; do
            echo "<section id=\"$id\"><h2>$(html "${section_title[$id]}")</h2>"
            echo "<p>$(html "${section_text[$id]}") $(html "${section_notes[$id]:-}")</p>"
            if [ "$id" = accuracy ]; then
                echo '<div class="scroll"><table><tr><th>study</th><th>measured slope</th><th>theoretical slope</th><th>work</th><th>error</th><th>method</th></tr>'
                for row in "${accuracy[@]}"; do
                    IFS='|' read -r name method error work measured theory figure <<<"$row"
                    echo "<tr><td><a href=\"#$figure\">$(html "$name")</a></td><td>$(html "$measured")</td><td>$(powers "$theory")</td><td>$(powers "$work")</td><td>$(html "$error")</td><td>$(html "$method")</td></tr>"
                done
                echo '</table></div>'
            fi
            # The uncertainty columns only where an estimate of the section has one.
            uncertain=false
            for row in "${estimates[@]}"; do
                IFS='|' read -r tab _ _ _ _ uncertainty <<<"$row"
                [ "$tab" = "$id" ] && [ -n "$uncertainty" ] && uncertain=true
            done
            ended=true
            for row in "${estimates[@]}"; do
                IFS='|' read -r tab program quantity value truth uncertainty <<<"$row"
                [ "$tab" = "$id" ] || continue
                if $ended; then
                    if $uncertain; then
                        echo '<div class="scroll"><table><tr><th>program</th><th>quantity</th><th>estimate</th><th>uncertainty</th><th>true value</th><th>relative error</th><th>deviation / uncertainty</th></tr>'
                    else
                        echo '<div class="scroll"><table><tr><th>program</th><th>quantity</th><th>estimate</th><th>true value</th><th>relative error</th></tr>'
                    fi
                    ended=false
                fi
                if $uncertain; then
                    echo "<tr><td>$(html "$program")</td><td>$(html "$quantity")</td><td>$(html "$value")</td><td>$(html "$(uncertainty_text "$uncertainty")")</td><td>$(html "$truth")</td><td>$(relative_error "$value" "$truth")</td><td>$(deviation "$value" "$truth" "$uncertainty")</td></tr>"
                else
                    echo "<tr><td>$(html "$program")</td><td>$(html "$quantity")</td><td>$(html "$value")</td><td>$(html "$truth")</td><td>$(relative_error "$value" "$truth")</td></tr>"
                fi
            done
            $ended || echo '</table></div>'
            for row in "${results[@]}"; do
                IFS='|' read -r tab kind caption file <<<"$row"
                [ "$tab" = "$id" ] || continue
                echo "<figure><figcaption>$(html "$caption") Text: $(link "$file").</figcaption><div class=\"scroll\">"
                if [ "$kind" = table ]; then
                    echo '<table>'
                    escape_html <"$file" | awk -F'\t' '{
                        cell = NR == 1 ? "th" : "td"
                        printf "<tr>"
                        for (i = 1; i <= NF; i++) printf "<%s>%s</%s>", cell, $i, cell
                        print "</tr>" }'
                    echo '</table>'
                else
                    echo "<pre>$(escape_html <"$file")</pre>"
                fi
                echo '</div></figure>'
            done
            for row in "${figures[@]}"; do
                IFS='|' read -r tab name caption <<<"$row"
                [ "$tab" = "$id" ] || continue
                figure_number=$((figure_number + 1))
                echo "<figure id=\"$name\"><a href=\"$name.png\"><img src=\"$name.png\" alt=\"$(html "$caption")\"></a>"
                # A caption is a sentence, closed by a full stop.
                [[ $caption == *. ]] || caption+=.
                echo "<figcaption><b>Figure $figure_number.</b> $(html "$caption")"
                [ -f "$name.dat" ] && echo "Data: $(link "$name.dat")."
                echo '</figcaption></figure>'
            done
            echo '</section>'
        done
        echo '</body></html>'
    } >index.html
}

echo "Writing sample data into $out"
"$bin/make_sample_data" . || { echo "demo: make_sample_data FAILED" >&2; exit 1; }
sample_files=$(ls)

for step in "$root"/demo/steps/*.sh; do
    # shellcheck source=/dev/null
    . "$step"
done
write_page

printf '\n%-18s %6s %8s  %s\n' program status seconds "files written"
for row in "${runs[@]}"; do
    IFS='|' read -r _ name _ status seconds files <<<"$row"
    printf '%-18s %6s %8s  %s\n' "$name" "$status" "$seconds" "$files"
done
printf '\n%-18s %-30s %-16s %-22s %-9s %-22s %s\n' program quantity estimate "true value" "rel. err." uncertainty "deviation"
for row in "${estimates[@]}"; do
    IFS='|' read -r _ program quantity value truth uncertainty <<<"$row"
    printf '%-18s %-30s %-16s %-22s %-9s %-22s %s\n' "$program" "$quantity" "$value" "$truth" \
        "$(relative_error "$value" "$truth")" "$(uncertainty_text "$uncertainty")" "$(deviation "$value" "$truth" "$uncertainty")"
done
printf '\nAccuracy\n%-24s %-40s %9s %s\n' study work measured theory
for row in "${accuracy[@]}"; do
    IFS='|' read -r name _ _ work measured theory _ <<<"$row"
    printf '%-24s %-40s %9s %s\n' "$name" "$work" "$measured" "$theory"
done
echo
if [ ${#skipped_figures[@]} -eq 0 ]; then
    echo "${#figures[@]} figures rendered."
else
    echo "gnuplot is not installed: skipped the figures ${skipped_figures[*]} (scripts/install-deps.sh installs it)."
fi
echo "Outputs are in $out; open $out/index.html for the whole run."
if [ ${#failed[@]} -gt 0 ]; then
    echo "demo: FAILED: ${failed[*]}" >&2
    exit 1
fi
