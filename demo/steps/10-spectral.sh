# Spectral analysis of the sample signals.
run_step crab_spectrum
run_step pulsar_spectrum
run_step phone_spectrum
estimate crab_spectrum "strongest frequency (Hz)" "$(cut -f2 crab_spectrum.stdout | tail -1)" 30.2452
plot_step crab_spectrum "Power spectrum of Crab.dat: the strongest line should sit at the pulse frequency 30.2452 Hz, with harmonics at its multiples"
plot_step pulsar_spectrum "Power spectrum of pulsar.dat: lines at the fundamental 47.3 Hz and its harmonics (dashed)"
plot_step phone_spectrum "Amplitude spectrum of cellphone.dat: carrier at 1.85 GHz (amplitude 1) and sidebands at 1.83 and 1.87 GHz (0.25)"
