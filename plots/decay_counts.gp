# The decay-count tables (pion.dat: count, t in ns; muon.dat: count, t in us)
# with the fits' error bars sqrt(n + 0.75) + 1 and the fitted N0 exp(-t/tau)
# read from meson_lifetime.stdout and lepton_lifetime.stdout.
set terminal pngcairo size 900,600
set output ARG1
stats "meson_lifetime.stdout" using 2:3 nooutput
pion_n0 = STATS_min_x; pion_tau = STATS_min_y * 1e9
stats "lepton_lifetime.stdout" using 2:3 nooutput
muon_n0 = STATS_min_x; muon_tau = STATS_min_y * 1e6
set multiplot layout 1,2 title "Decay counts and fitted exponentials"
set grid
set ylabel "decays per bin"
set key top right
set xlabel "t (ns)"
set title sprintf("pion.dat: tau = %.4g ns", pion_tau)
plot "pion.dat" using 2:1:(sqrt($1 + 0.75) + 1) with yerrorbars pt 7 title "counts", \
     pion_n0 * exp(-x / pion_tau) with lines lw 2 title "fit"
set xlabel "t (us)"
set title sprintf("muon.dat: tau = %.4g us", muon_tau)
plot "muon.dat" using 2:1:(sqrt($1 + 0.75) + 1) with yerrorbars pt 7 title "counts", \
     muon_n0 * exp(-x / muon_tau) with lines lw 2 title "fit"
unset multiplot
