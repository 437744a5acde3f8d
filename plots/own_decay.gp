# Decay counts made by the demo: own_decay.dat (count, t in ns), with the
# fit's error bars sqrt(n + 0.75) + 1, the fitted N0 exp(-t/tau) read from
# own_decay_fit.stdout and the exponential the counts were drawn about.
# Usage: gnuplot -c plots/own_decay.gp OUT.png TAU N0 (TAU in ns).
set terminal pngcairo size 900,600
set output ARG1
made_tau = real(ARG2); made_n0 = real(ARG3)
stats "own_decay_fit.stdout" using 2:3 nooutput
fit_n0 = STATS_min_x; fit_tau = STATS_min_y * 1e9
set title sprintf("own\\_decay.dat: fitted tau = %.4g ns (drawn about %g ns)", fit_tau, made_tau)
set xlabel "t (ns)"
set ylabel "decays per bin"
set grid
set key top right
set xrange [0:*]
plot "own_decay.dat" using 2:1:(sqrt($1 + 0.75) + 1) with yerrorbars pt 7 title "counts", \
     fit_n0 * exp(-x / fit_tau) with lines lw 2 title "fit", \
     made_n0 * exp(-x / made_tau) with lines dashtype 2 lw 1 title "drawn about"
