# Pendulum energy error against time: accuracy_swing_sim.dat (t, |E - E0| of
# the first-order step, |E - E0| of the midpoint step, from pend.dat).
# Log-log with a straight-line fit for each step and the linear growth of the
# first-order step; the fitted slopes go to accuracy_swing_sim.slopes, first
# order then midpoint ("flat" where the midpoint's error, rounded in the file,
# never changes and so leaves nothing to fit).
# Usage: gnuplot -c plots/accuracy_swing_sim.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_swing_sim.dat"
theory = 1
set fit quiet nolog
f1(x) = a1 + b1 * x
f2(x) = a2 + b2 * x
fit f1(x) data using (log10($1)):(log10($2)) via a1, b1
stats data using 3 nooutput
if (STATS_max > STATS_min) {
    fit f2(x) data using (log10($1)):(log10($3)) via a2, b2
    midpoint = sprintf("%#.3g", b2)
} else {
    a2 = log10(STATS_min)
    b2 = 0
    midpoint = "flat"
}
set print "accuracy_swing_sim.slopes"
print sprintf("%#.3g", b1)
print midpoint
unset print

stats data using (log10($1)) nooutput
mid = (STATS_min + STATS_max) / 2
set title "Pendulum energy error (swing\\_sim, step 1 ms): first-order against midpoint step"
set xlabel "time t (s)"
set ylabel "|E - E_0| (J/kg)"
set logscale xy
set format y "10^{%L}"
set yrange [1e-5:10]
set grid
set key top left
plot data using 1:2 with points pt 7 lc rgb "#d62728" title "first-order step", \
     10**f1(log10(x)) with lines lw 2 lc rgb "#d62728" title sprintf("first-order fit: slope %#.3g", b1), \
     10**(f1(mid) + theory * (log10(x) - mid)) with lines dt 2 lw 2 lc rgb "black" title "theory: slope 1", \
     data using 1:3 with points pt 5 lc rgb "#1f77b4" title "midpoint step (below the file's 5 digits)", \
     10**f2(log10(x)) with lines lw 2 lc rgb "#1f77b4" title (midpoint eq "flat" ? "midpoint: flat" : "midpoint fit: slope ".midpoint)
