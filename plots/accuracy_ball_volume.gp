# Monte Carlo volume of the unit ball in 3 and 8 dimensions over 20 seeds:
# accuracy_ball_volume.dat (samples N, then for each dimension the standard
# deviation of the fractional error, its standard error and the mean
# |error|). The standard deviation with error bars against N in log-log, a
# straight-line fit per dimension and the 1/sqrt(N) law; the fitted slopes go
# to accuracy_ball_volume.slopes, d = 3 then d = 8.
# Usage: gnuplot -c plots/accuracy_ball_volume.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_ball_volume.dat"
theory = -0.5
set fit quiet nolog
f3(x) = a3 + b3 * x
f8(x) = a8 + b8 * x
fit f3(x) data using (log10($1)):(log10($2)) via a3, b3
fit f8(x) data using (log10($1)):(log10($5)) via a8, b8
set print "accuracy_ball_volume.slopes"
print sprintf("%#.3g\n%#.3g", b3, b8)
unset print

stats data using (log10($1)) nooutput
mid = (STATS_min + STATS_max) / 2
set title "Monte Carlo volume of the unit ball (ball\\_volume): spread over 20 seeds against samples"
set xlabel "samples N"
set ylabel "standard deviation of the fractional error"
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set grid
set key bottom left
plot data using 1:2:3 with yerrorbars pt 7 lc rgb "#1f77b4" title "d = 3", \
     10**f3(log10(x)) with lines lc rgb "#1f77b4" title sprintf("d = 3 fit: slope %#.3g", b3), \
     10**(f3(mid) + theory * (log10(x) - mid)) with lines dt 2 lw 2 lc rgb "black" title "theory: slope -1/2", \
     data using 1:5:6 with yerrorbars pt 5 lc rgb "#d62728" title "d = 8", \
     10**f8(log10(x)) with lines lc rgb "#d62728" title sprintf("d = 8 fit: slope %#.3g", b8), \
     10**(f8(mid) + theory * (log10(x) - mid)) with lines dt 2 lw 2 lc rgb "black" notitle
