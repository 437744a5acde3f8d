# Lifetime fits by chi-square grid search on the sample decay tables
# (pion.dat: 26.03 ns planted, muon.dat: 2.197 us planted).
section fitting "Lifetime fits" \
    "The lifetime programs fit N0 exp(-t/tau) to tables of decay counts by a chi-square grid search over N0 and tau, and write the grid points inside a band around the minimum."
run_step meson_lifetime pion.dat
run_step lepton_lifetime muon.dat
estimate meson_lifetime "pion lifetime (ns)" "$(awk '{ printf "%.4g", $3 * 1e9 }' meson_lifetime.stdout)" 26.03
estimate lepton_lifetime "muon lifetime (us)" "$(awk '{ printf "%.4g", $3 * 1e6 }' lepton_lifetime.stdout)" 2.197
plot_step lifetime_bands "Grid points inside the chi-square bands of both fits, with the best points"
plot_step decay_counts "Decay-count tables with the fitted exponentials"
