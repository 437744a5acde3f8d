# Oscillator error against time: accuracy_ode_stepper.dat (t, distance in
# phase space between the midpoint step and the closed form, from
# ode_stepper.dat). Log-log with a straight-line fit and the linear growth of
# the phase error; the fitted slope goes to accuracy_ode_stepper.slopes.
# Usage: gnuplot -c plots/accuracy_ode_stepper.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_ode_stepper.dat"
theory = 1
set fit quiet nolog
f(x) = a + b * x
fit f(x) data using (log10($1)):(log10($2)) via a, b
set print "accuracy_ode_stepper.slopes"
print sprintf("%#.3g", b)
unset print

stats data using (log10($1)) nooutput
mid = (STATS_min + STATS_max) / 2
set title "Harmonic oscillator (ode\\_stepper, step 1e-4 s): midpoint step against cos t"
set xlabel "time t (s)"
set ylabel "distance to the closed form in phase space (m)"
set logscale xy
set format y "10^{%L}"
set grid
set key top left
plot data using 1:2 with points pt 7 lc rgb "#1f77b4" title "midpoint step", \
     10**f(log10(x)) with lines lw 2 lc rgb "#1f77b4" title sprintf("fit: slope %#.3g", b), \
     10**(f(mid) + theory * (log10(x) - mid)) with lines dt 2 lw 2 lc rgb "black" title "theory: slope 1 (phase error h^2 t / 6)"
