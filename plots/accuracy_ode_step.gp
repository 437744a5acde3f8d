# Oscillator error against the step: accuracy_ode_step.dat (step h, distance
# in phase space between the midpoint step and the closed form at t = 10 s).
# Log-log with a straight-line fit and the second-order law; the fitted slope
# goes to accuracy_ode_step.slopes.
# Usage: gnuplot -c plots/accuracy_ode_step.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_ode_step.dat"
theory = 2
set fit quiet nolog
f(x) = a + b * x
fit f(x) data using (log10($1)):(log10($2)) via a, b
set print "accuracy_ode_step.slopes"
print sprintf("%#.3g", b)
unset print

stats data using (log10($1)) nooutput
mid = (STATS_min + STATS_max) / 2
set title "Harmonic oscillator (ode\\_stepper): midpoint step against cos t at t = 10 s"
set xlabel "step h (s)"
set ylabel "distance to the closed form in phase space (m)"
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set grid
set key top left
plot data using 1:2 with points pt 7 ps 1.3 lc rgb "#1f77b4" title "midpoint step", \
     10**f(log10(x)) with lines lw 2 lc rgb "#1f77b4" title sprintf("fit: slope %#.3g", b), \
     10**(f(mid) + theory * (log10(x) - mid)) with lines dt 2 lw 2 lc rgb "black" title "theory: slope 2 (phase lag h^2 t / 6)"
