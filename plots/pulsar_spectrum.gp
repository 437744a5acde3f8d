# Power spectrum of the pulsar signal: fpulse.txt (f, Re, Im, log10 power).
# Usage: gnuplot -c plots/pulsar_spectrum.gp OUT.png (in the data folder).
set terminal pngcairo size 900,600
set output ARG1
set title "Pulsar power spectrum (pulsar\\_spectrum): fundamental 47.3 Hz and its harmonics"
set xlabel "frequency (Hz)"
set ylabel "log10 power"
set grid
do for [k = 1:7] {
    set arrow from 47.3 * k, graph 0 to 47.3 * k, graph 1 nohead dashtype 2 lc rgb "red"
}
plot "fpulse.txt" using 1:4 with lines lw 1 title "log10 power"
