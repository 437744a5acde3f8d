# Sawtooth series error against the harmonics: accuracy_sawtooth.dat
# (harmonics n, the RMS error sawtooth_series gives on a grid of 0.001 and on
# its default grid of 0.1, the exact RMS over the continuous wave). Log-log
# with a straight-line fit from fit_from harmonics on for each grid and the
# 1/sqrt(n) law; the fitted slopes go to accuracy_sawtooth.slopes, fine grid
# then default grid.
# Usage: gnuplot -c plots/accuracy_sawtooth.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_sawtooth.dat"
theory = -0.5
fit_from = 10
set fit quiet nolog
f1(x) = a1 + b1 * x
f2(x) = a2 + b2 * x
fit f1(x) data using (log10($1)):($1 >= fit_from ? log10($2) : 1/0) via a1, b1
fit f2(x) data using (log10($1)):($1 >= fit_from ? log10($3) : 1/0) via a2, b2
set print "accuracy_sawtooth.slopes"
print sprintf("%#.3g\n%#.3g", b1, b2)
unset print

stats data using ($1 >= fit_from ? log10($1) : 1/0) nooutput
mid = (STATS_min + STATS_max) / 2
set title "Fourier series of the sawtooth (sawtooth\\_series): RMS error against harmonics"
set xlabel "harmonics n"
set ylabel "RMS error"
set logscale xy
set format x "10^{%L}"
set grid
set key bottom left
plot data using 1:2 with points pt 7 ps 0.8 lc rgb "#1f77b4" title "grid of 0.001", \
     10**f1(log10(x)) with lines lw 2 lc rgb "#1f77b4" title sprintf("fit: slope %#.3g", b1), \
     data using 1:4 with lines lw 1 lc rgb "#2ca02c" title "exact RMS over the wave", \
     10**(f1(mid) + theory * (log10(x) - mid)) with lines dt 2 lw 2 lc rgb "black" title "theory: slope -1/2", \
     data using 1:3 with points pt 5 ps 0.8 lc rgb "#d62728" title "default grid of 0.1 (points on the jumps)", \
     10**f2(log10(x)) with lines lw 2 lc rgb "#d62728" title sprintf("fit: slope %#.3g", b2)
