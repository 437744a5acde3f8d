# Spectral analysis of the sample signals.
section spectral "Spectral analysis" \
    "The spectrum programs compute the Fourier coefficients of a recorded signal on a fixed frequency grid by the direct sum over every sample (no FFT, so any grid and any span): (2/T) times the sums of y cos(2 pi f t) dt and y sin(2 pi f t) dt, and from them the power or the amplitude. crab_brightness folds the Crab light curve at the pulse period, sawtooth_series sums the Fourier series of a sawtooth wave, and angle_histogram computes the invariant mass of photon pairs from their hits and energies."
run_step crab_spectrum
run_step pulsar_spectrum
run_step phone_spectrum
estimate crab_spectrum "strongest frequency (Hz)" "$(cut -f2 crab_spectrum.stdout | tail -1)" 30.2452
plot_step crab_spectrum "Power spectrum of Crab.dat: the strongest line should sit at the pulse frequency 30.2452 Hz, with harmonics at its multiples"
plot_step pulsar_spectrum "Power spectrum of pulsar.dat: lines at the fundamental 47.3 Hz and its harmonics (dashed)"
plot_step phone_spectrum "Amplitude spectrum of cellphone.dat: carrier at 1.85 GHz (amplitude 1) and sidebands at 1.83 and 1.87 GHz (0.25)"
