# Spectral analysis of the sample signals.
section spectral "Spectral analysis" \
    "Each spectrum program weighs every sample of its signal with a cosine and a sine at every frequency of its grid and adds them up, with no fast transform, so that any grid and any time span will do. The two sums, scaled by twice the inverse of the span, are the cosine and sine coefficients; the program writes them together with the log power or the amplitude. crab_brightness folds the Crab light curve at its pulse period, sawtooth_series adds up the harmonics of a sawtooth wave, and angle_histogram turns each photon pair's hits and energies into an invariant mass."
run_step crab_spectrum
run_step pulsar_spectrum
run_step phone_spectrum
estimate crab_spectrum "strongest frequency (Hz)" "$(cut -f2 crab_spectrum.stdout | tail -1)" 30.2452
plot_step crab_spectrum "Power spectrum of Crab.dat: the strongest line should sit at the pulse frequency 30.2452 Hz, with harmonics at its multiples"
plot_step pulsar_spectrum "Power spectrum of pulsar.dat: lines at the fundamental 47.3 Hz and its harmonics (dashed)"
plot_step phone_spectrum "Amplitude spectrum of cellphone.dat: carrier at 1.85 GHz (amplitude 1) and sidebands at 1.83 and 1.87 GHz (0.25)"
