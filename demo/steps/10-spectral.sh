# Spectral analysis of the sample signals.
run_step crab_spectrum
run_step pulsar_spectrum
run_step phone_spectrum
