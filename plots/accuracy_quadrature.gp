# Quadrature error against the step: accuracy_quadrature.dat, data set 0 the
# integral from 0 to 1 (intervals k, step h, points N, |T - I|/I, |S - I|/I,
# the rounding floor 6e-8 sqrt(N), and whether T and S are fitted there),
# data set 1 the whole pulse from -6 to 6 (k, h, N, |T - I|/I, |S - I|/I).
# Log-log with a straight-line fit of each rule over its fitted points and the
# h^2 and h^4 laws; the fitted slopes go to accuracy_quadrature.slopes,
# trapezoid then Simpson.
# Usage: gnuplot -c plots/accuracy_quadrature.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_quadrature.dat"
set fit quiet nolog
ft(x) = at + bt * x
fs(x) = as + bs * x
fit ft(x) data index 0 using (log10($2)):($7 == 1 ? log10($4) : 1/0) via at, bt
fit fs(x) data index 0 using (log10($2)):($8 == 1 ? log10($5) : 1/0) via as, bs
set print "accuracy_quadrature.slopes"
print sprintf("%#.3g\n%#.3g", bt, bs)
unset print

# The theory lines run through each fit at the middle of its own points.
stats data index 0 using ($7 == 1 ? log10($2) : 1/0) nooutput
mid_t = (STATS_min + STATS_max) / 2
stats data index 0 using ($8 == 1 ? log10($2) : 1/0) nooutput
mid_s = (STATS_min + STATS_max) / 2
set title "Trapezoid and Simpson rules in single precision (quadrature): error against the step"
set xlabel "step h"
set ylabel "|result - I| / I"
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set yrange [1e-9:1]
set grid
set key top left
plot data index 0 using 2:($7 == 1 ? $4 : 1/0) with points pt 7 lc rgb "#d62728" title "trapezoid, 0 to 1 (fitted)", \
     data index 0 using 2:($7 == 1 ? 1/0 : $4) with points pt 6 lc rgb "#d62728" notitle, \
     10**ft(log10(x)) with lines lw 2 lc rgb "#d62728" title sprintf("trapezoid fit: slope %#.3g", bt), \
     10**(ft(mid_t) + 2 * (log10(x) - mid_t)) with lines dt 2 lw 2 lc rgb "black" title "theory: slopes 2 and 4", \
     data index 0 using 2:($8 == 1 ? $5 : 1/0) with points pt 5 lc rgb "#1f77b4" title "Simpson, 0 to 1 (fitted)", \
     data index 0 using 2:($8 == 1 ? 1/0 : $5) with points pt 4 lc rgb "#1f77b4" notitle, \
     10**fs(log10(x)) with lines lw 2 lc rgb "#1f77b4" title sprintf("Simpson fit: slope %#.3g", bs), \
     10**(fs(mid_s) + 4 * (log10(x) - mid_s)) with lines dt 2 lw 2 lc rgb "black" notitle, \
     data index 0 using 2:6 with lines dt 3 lw 2 lc rgb "#7f7f7f" title "rounding floor 6e-8 sqrt(N)", \
     data index 1 using 2:4 with linespoints pt 4 lc rgb "#2ca02c" title "trapezoid, whole pulse -6 to 6"
