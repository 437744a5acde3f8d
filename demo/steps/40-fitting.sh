# Lifetime fits by chi-square grid search on the sample decay tables
# (pion.dat: 26.03 ns planted, muon.dat: 2.197 us planted).
section fitting "Lifetime fits" \
    "The lifetime programs fit N0 exp(-t/tau) to tables of decay counts by a chi-square grid search over N0 and tau, and write the grid points inside a band around the minimum. The uncertainty of tau is the interval where the chi-square lies within 1 of its minimum."
# --interval=1 adds tau's one-sigma interval on standard error and leaves
# the output and the grid files as they are.
run_step meson_lifetime --interval=1 pion.dat
run_step lepton_lifetime --interval=1 muon.dat
tau_interval pion_interval meson_lifetime 1e9
tau_interval muon_interval lepton_lifetime 1e6
estimate meson_lifetime "pion lifetime (ns)" "$(awk '{ printf "%.4g", $3 * 1e9 }' meson_lifetime.stdout)" 26.03 \
    "$pion_interval"
estimate lepton_lifetime "muon lifetime (us)" "$(awk '{ printf "%.4g", $3 * 1e6 }' lepton_lifetime.stdout)" 2.197 \
    "$muon_interval"
plot_step lifetime_bands "Grid points inside the chi-square bands of both fits, with the best points"
plot_step decay_counts "Decay-count tables with the fitted exponentials"
