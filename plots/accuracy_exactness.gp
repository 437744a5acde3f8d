# The spectrum's exactness: accuracy_exactness.dat (frequency, the bound on
# the distance of a line's coefficients from the scalar loop's, their measured
# distance, 1 where the scalar loop recomputed the line; then a '#' summary).
# Bound and distance against frequency on a log scale; the largest
# distance/bound, the recomputed lines and the lines go to
# accuracy_exactness.slopes, one a line.
# Usage: gnuplot -c plots/accuracy_exactness.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_exactness.dat"
stats data using ($2 > 0 ? $3 / $2 : 0) name "ratio" nooutput
stats data using 4 name "recomputed" nooutput
set print "accuracy_exactness.slopes"
print sprintf("%.3g", ratio_max)
print sprintf("%d", recomputed_sum)
print sprintf("%d", recomputed_records)
unset print

stats data using ($2 > 0 ? $2 : NaN) name "bound" nooutput
top = bound_max * 100
set title "Spectrum exactness (crab\\_spectrum, 1 to 100 Hz): bound and measured distance from the scalar loop"
set xlabel "frequency (Hz)"
set ylabel "distance of the coefficients"
set logscale y
set format y "10^{%L}"
set grid
set key bottom right
plot data using 1:($2 > 0 ? $2 : NaN) with lines lw 2 lc rgb "#d62728" title "rigorous bound", \
     data using 1:($3 > 0 ? $3 : NaN) with points pt 7 ps 0.4 lc rgb "#1f77b4" title "measured distance", \
     data using 1:($4 == 1 ? top : NaN) with impulses lw 2 lc rgb "black" title sprintf("recomputed by the scalar loop: %d of %d lines", recomputed_sum, recomputed_records)
