# Leibniz series for pi: accuracy_pi_series.dat (terms N, the fractional error
# pi_series prints). |error| against N in log-log with a straight-line fit and
# the 1/N law; the fitted slope goes to accuracy_pi_series.slopes.
# Usage: gnuplot -c plots/accuracy_pi_series.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_pi_series.dat"
theory = -1
set fit quiet nolog
f(x) = a + b * x
fit f(x) data using (log10($1)):(log10(abs($2))) via a, b
set print "accuracy_pi_series.slopes"
print sprintf("%#.3g", b)
unset print

stats data using (log10($1)) nooutput
mid = (STATS_min + STATS_max) / 2
set title "Leibniz series for pi (pi\\_series): error against terms"
set xlabel "terms N"
set ylabel "|fractional error|"
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set grid
set key bottom left
plot data using 1:(abs($2)) with points pt 7 ps 1.3 lc rgb "#1f77b4" title "pi\\_series", \
     10**f(log10(x)) with lines lw 2 lc rgb "#1f77b4" title sprintf("fit: slope %#.3g", b), \
     10**(f(mid) + theory * (log10(x) - mid)) with lines dt 2 lw 2 lc rgb "black" title "theory: slope -1"
