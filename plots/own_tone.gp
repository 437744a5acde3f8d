# A tone made by the demo: own_tone.dat (t, value) and its power spectrum
# own_tone_spectrum.txt (f, cosine and sine coefficients, log10 power).
# Usage: gnuplot -c plots/own_tone.gp OUT.png FREQUENCY (the tone's, in Hz).
set terminal pngcairo size 900,800
set output ARG1
tone = real(ARG2)
set multiplot layout 2,1 title sprintf("A %g Hz tone in noise (own\\_tone.dat)", tone)
set grid
set key off
set title "signal, first 0.1 s"
set xlabel "t (s)"
set ylabel "value"
set xrange [0:0.1]
plot "own_tone.dat" using 1:2 with linespoints pointtype 7 pointsize 0.4
set title "power spectrum (crab\\_spectrum, 0.05 Hz grid)"
set xlabel "frequency (Hz)"
set ylabel "log10 power"
set xrange [*:*]
set arrow from tone, graph 0 to tone, graph 1 nohead dashtype 2 lc rgb "red"
plot "own_tone_spectrum.txt" using 1:4 with lines lw 1
unset multiplot
