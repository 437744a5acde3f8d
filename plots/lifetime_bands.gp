# The grid points inside each fit's chi-square band (piongrid.txt,
# muongrid.txt: chi2, N0, tau in s) with the best point of each fit
# (meson_lifetime.stdout, lepton_lifetime.stdout: chi2, N0, tau, deviate).
set terminal pngcairo size 900,600
set output ARG1
stats "meson_lifetime.stdout" using 2:3 nooutput
pion_n0 = STATS_min_x; pion_tau = STATS_min_y
stats "lepton_lifetime.stdout" using 2:3 nooutput
muon_n0 = STATS_min_x; muon_tau = STATS_min_y
set multiplot layout 1,2 title "Chi-square bands of the lifetime fits"
set grid
set ylabel "N0 (counts per bin at t = 0)"
set key top right opaque
set title "meson: 5.48338 < chi^2 < 5.50338"
set xlabel "tau (ns)"
plot "piongrid.txt" using ($3 * 1e9):2 with points pt 7 ps 0.6 title "band", \
     "+" using (pion_tau * 1e9):(pion_n0) every ::0::0 with points pt 3 ps 2 lw 2 title "best"
set title "lepton: 38.5747 < chi^2 < 38.5947"
set xlabel "tau (us)"
plot "muongrid.txt" using ($3 * 1e6):2 with points pt 7 ps 0.6 title "band", \
     "+" using (muon_tau * 1e6):(muon_n0) every ::0::0 with points pt 3 ps 2 lw 2 title "best"
unset multiplot
