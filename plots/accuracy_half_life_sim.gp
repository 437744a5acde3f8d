# Decay simulated atom by atom over 20 seeds: accuracy_half_life_sim.dat
# (atoms N0, the standard deviation of the relative deviation of the atoms
# left after one half-life from N0/2, its standard error and the mean
# |deviation|). The standard deviation with error bars against N0 in log-log,
# a straight-line fit and the 1/sqrt(N0) law; the fitted slope goes to
# accuracy_half_life_sim.slopes.
# Usage: gnuplot -c plots/accuracy_half_life_sim.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
data = "accuracy_half_life_sim.dat"
theory = -0.5
set fit quiet nolog
f(x) = a + b * x
fit f(x) data using (log10($1)):(log10($2)) via a, b
set print "accuracy_half_life_sim.slopes"
print sprintf("%#.3g", b)
unset print

stats data using (log10($1)) nooutput
mid = (STATS_min + STATS_max) / 2
set title "Atoms left after one half-life (half\\_life\\_sim): spread over 20 seeds"
set xlabel "atoms at the start N_0"
set ylabel "standard deviation of atoms left / (N_0/2) - 1"
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set grid
set key bottom left
plot data using 1:2:3 with yerrorbars pt 7 ps 1.3 lc rgb "#1f77b4" title "simulation", \
     10**f(log10(x)) with lines lw 2 lc rgb "#1f77b4" title sprintf("fit: slope %#.3g", b), \
     10**(f(mid) + theory * (log10(x) - mid)) with lines dt 2 lw 2 lc rgb "black" title "theory: slope -1/2"
