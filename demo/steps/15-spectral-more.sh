# Folded Crab light curve, sawtooth partial sums, photon-pair masses.
run_step crab_brightness
run_step sawtooth_series
run_step angle_histogram
estimate angle_histogram "pair mass peak (MeV)" \
    "$(awk '{ n += $2; s += ($1 + 0.5) * $2 } END { if (n) printf "%.1f", s / n }' 481X2T.txt)" 135
plot_step lightcrab "Crab light curve folded at 30.2452 Hz: weighted brightness per 6-degree bin"
plot_step sawtooth "Sawtooth wave and its Fourier partial sums with 1, 3, 5 and 30 harmonics"
plot_step sawtooth_rms "RMS error of the sawtooth partial sums against the number of harmonics"
plot_step pair_mass "Invariant mass of the photon pairs in 481X2t.txt"
