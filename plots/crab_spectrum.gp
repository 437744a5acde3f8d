# Power spectrum of the Crab light curve: fcrab.txt (f, Re, Im, log10 power).
# Usage: gnuplot -c plots/crab_spectrum.gp OUT.png (in the data folder).
set terminal pngcairo size 900,600
set output ARG1
set title "Crab pulsar power spectrum (crab\\_spectrum): pulse at 30.2452 Hz and its harmonics"
set xlabel "frequency (Hz)"
set ylabel "log10 power (counts^2)"
set grid
set xrange [0:400]
set arrow from 30.2452, graph 0 to 30.2452, graph 1 nohead dashtype 2 lc rgb "red"
plot "fcrab.txt" using 1:4 with lines lw 1 title "log10 power"
