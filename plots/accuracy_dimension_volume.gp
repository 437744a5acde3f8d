# Monte Carlo volume of the unit ball in 2, 4 and 6 dimensions over 20 seeds:
# accuracy_dimension_volume.dat (samples N, then for each dimension the
# standard deviation of the fractional error, its standard error and the mean
# |error|). The standard deviation with error bars against N in log-log, a
# straight-line fit per dimension and the 1/sqrt(N) law; the fitted slopes go
# to accuracy_dimension_volume.slopes, one a line in the order d = 2, 4, 6.
# Usage: gnuplot -c plots/accuracy_dimension_volume.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_dimension_volume.dat"
theory = -0.5
set fit quiet nolog
f2(x) = a2 + b2 * x
f4(x) = a4 + b4 * x
f6(x) = a6 + b6 * x
fit f2(x) data using (log10($1)):(log10($2)) via a2, b2
fit f4(x) data using (log10($1)):(log10($5)) via a4, b4
fit f6(x) data using (log10($1)):(log10($8)) via a6, b6
set print "accuracy_dimension_volume.slopes"
print sprintf("%#.3g\n%#.3g\n%#.3g", b2, b4, b6)
unset print

# The reference line runs through the mean of the three fits at the middle of the range.
stats data using (log10($1)) nooutput
mid = (STATS_min + STATS_max) / 2
anchor = (f2(mid) + f4(mid) + f6(mid)) / 3
set title "Monte Carlo volume of the unit ball (dimension\\_volume): spread over 20 seeds against samples"
set xlabel "samples N"
set ylabel "standard deviation of the fractional error"
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set grid
set key bottom left
plot data using 1:2:3 with yerrorbars pt 7 lc rgb "#1f77b4" title "d = 2", \
     10**f2(log10(x)) with lines lc rgb "#1f77b4" title sprintf("d = 2 fit: slope %#.3g", b2), \
     data using 1:5:6 with yerrorbars pt 5 lc rgb "#d62728" title "d = 4", \
     10**f4(log10(x)) with lines lc rgb "#d62728" title sprintf("d = 4 fit: slope %#.3g", b4), \
     data using 1:8:9 with yerrorbars pt 9 lc rgb "#2ca02c" title "d = 6", \
     10**f6(log10(x)) with lines lc rgb "#2ca02c" title sprintf("d = 6 fit: slope %#.3g", b6), \
     10**(anchor + theory * (log10(x) - mid)) with lines dt 2 lw 2 lc rgb "black" title "theory: slope -1/2"
