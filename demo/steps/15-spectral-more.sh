# Folded Crab light curve, sawtooth partial sums, photon-pair masses.
run_step crab_brightness
run_step sawtooth_series
run_step angle_histogram
# The mean of the histogram: with 100 pairs the tallest bin is a matter of a
# count or two, the mean is not.
estimate angle_histogram "pair mass, histogram mean (MeV)" \
    "$(awk '{ n += $2; s += ($1 + 0.5) * $2 } END { if (n) printf "%.1f", s / n }' 481X2T.txt)" "134.977 (neutral pion)"
plot_step lightcrab "Brightness of Crab.dat folded at the 30.2452 Hz pulse frequency, in 6-degree bins"
plot_step sawtooth "The sawtooth wave beside the sums of its first 1, 3, 5 and 30 harmonics"
plot_step sawtooth_rms "RMS distance between the sawtooth and the sum of its first N harmonics"
plot_step pair_mass "Photon-pair invariant masses from the events of 481X2t.txt"
