# Pendulum angle error against the step: accuracy_swing_step.dat (step h,
# |angle| of the first-order step and of the midpoint step at the second pass
# through the bottom, where the exact angle is zero, and g h t / 2L, the
# exponent of the first-order step's amplitude growth). Log-log with a
# straight-line fit for each step; the first-order fit only where the growth
# is still linear in h. The fitted slopes go to accuracy_swing_step.slopes,
# first order then midpoint.
# Usage: gnuplot -c plots/accuracy_swing_step.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_swing_step.dat"
linear_growth = 0.08
set fit quiet nolog
f1(x) = a1 + b1 * x
f2(x) = a2 + b2 * x
fit f1(x) data using (log10($1)):($4 <= linear_growth ? log10($2) : 1/0) via a1, b1
fit f2(x) data using (log10($1)):(log10($3)) via a2, b2
set print "accuracy_swing_step.slopes"
print sprintf("%#.3g\n%#.3g", b1, b2)
unset print

stats data using (log10($1)) nooutput
mid = (STATS_min + STATS_max) / 2
set title "Pendulum (swing\\_sim): angle error at the second pass through the bottom against the step"
set xlabel "step h (s)"
set ylabel "|angle| where the exact angle is 0 (rad)"
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set grid
set key bottom right
plot data using 1:($4 <= linear_growth ? $2 : 1/0) with points pt 7 lc rgb "#d62728" title "first-order step (fitted)", \
     data using 1:($4 <= linear_growth ? 1/0 : $2) with points pt 6 lc rgb "#d62728" notitle, \
     10**f1(log10(x)) with lines lw 2 lc rgb "#d62728" title sprintf("first-order fit (g h t / 2L <= %g): slope %#.3g", linear_growth, b1), \
     10**(f1(mid) + 1 * (log10(x) - mid)) with lines dt 2 lw 2 lc rgb "black" title "theory: slope 1", \
     data using 1:3 with points pt 5 lc rgb "#1f77b4" title "midpoint step", \
     10**f2(log10(x)) with lines lw 2 lc rgb "#1f77b4" title sprintf("midpoint fit: slope %#.3g", b2), \
     10**(f2(mid) + 2 * (log10(x) - mid)) with lines dt 3 lw 2 lc rgb "black" title "theory: slope 2"
