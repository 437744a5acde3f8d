# Rocket position error against the step: accuracy_flight.dat, data set 0
# rocket at 10 s, data set 1 launch_trajectory at 50 s (step h, distance from
# a run at a step 100 times finer than the finest). Log-log with a straight-line fit for each
# program and the first-order law; the fitted slopes go to
# accuracy_flight.slopes, rocket then launch_trajectory.
# Usage: gnuplot -c plots/accuracy_flight.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_flight.dat"
theory = 1
set fit quiet nolog
f1(x) = a1 + b1 * x
f2(x) = a2 + b2 * x
fit f1(x) data index 0 using (log10($1)):(log10($2)) via a1, b1
fit f2(x) data index 1 using (log10($1)):(log10($2)) via a2, b2
set print "accuracy_flight.slopes"
print sprintf("%#.3g\n%#.3g", b1, b2)
unset print

stats data index 0 using (log10($1)) nooutput
mid1 = (STATS_min + STATS_max) / 2
stats data index 1 using (log10($1)) nooutput
mid2 = (STATS_min + STATS_max) / 2
set title "Rocket flights (rocket, launch\\_trajectory): position error of the first-order step"
set xlabel "step h (s)"
set ylabel "distance from the run at a 100 times finer step (m)"
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set grid
set key top left
plot data index 0 using 1:2 with points pt 7 lc rgb "#d62728" title "rocket, t = 10 s", \
     10**f1(log10(x)) with lines lw 2 lc rgb "#d62728" title sprintf("rocket fit: slope %#.3g", b1), \
     10**(f1(mid1) + theory * (log10(x) - mid1)) with lines dt 2 lw 2 lc rgb "black" title "theory: slope 1", \
     data index 1 using 1:2 with points pt 5 lc rgb "#1f77b4" title "launch\\_trajectory, t = 50 s", \
     10**f2(log10(x)) with lines lw 2 lc rgb "#1f77b4" title sprintf("launch\\_trajectory fit: slope %#.3g", b2), \
     10**(f2(mid2) + theory * (log10(x) - mid2)) with lines dt 2 lw 2 lc rgb "black" notitle
