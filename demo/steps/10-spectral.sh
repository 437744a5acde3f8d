# Spectral analysis of the sample signals.
run_step crab_spectrum
run_step pulsar_spectrum
run_step phone_spectrum
estimate crab_spectrum "strongest frequency (Hz)" "$(cut -f2 crab_spectrum.stdout | tail -1)" 30.2452
