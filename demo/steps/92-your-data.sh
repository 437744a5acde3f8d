# Your own data: a tone and a decay table made here with awk, the way a
# recording or a histogram of the user's would come, run through the programs'
# options for files, counts and grids.
tone_frequency=123.4     # Hz
tone_samples=5000
tone_rate=1000           # samples per second: 5 s, a resolution of 0.2 Hz
decay_tau=300            # ns
decay_n0=80              # decays per bin at t = 0
decay_bins=20
decay_bin_width=60       # ns
# Park and Miller's generator, exact in the doubles of every awk, so the data
# are the same on every machine (the awks' own rand() differ).
uniform_awk='function uniform() { seed = seed * 16807 % 2147483647; return seed / 2147483647 }'
own_seed=12345

tone_options=(--input own_tone.dat --output own_tone_spectrum.txt --samples "$tone_samples" --from 100 --to 150 --step 0.05)
# A grid of tau from 1 ns to 1 us: the default one ends at 130 ns.
decay_options=(--interval=1 --records all --tau-first 1e-9 --tau-step 1e-9 --grid own_decay_grid.txt own_decay.dat)
section own "Your own data" \
    "The programs read files of any name and length on any grid. Here the demo writes a tone of $tone_frequency Hz, $tone_samples samples at $tone_rate a second with uniform noise of amplitude 1, into own_tone.dat and runs crab_spectrum ${tone_options[*]}; then $decay_bins bins of $decay_bin_width ns of Poisson counts about $decay_n0 exp(-t/$decay_tau ns) into own_decay.dat, fitted by meson_lifetime ${decay_options[*]}."

awk -v seed="$own_seed" -v f="$tone_frequency" -v n="$tone_samples" -v rate="$tone_rate" "$uniform_awk"'
    BEGIN { pi = atan2(0, -1)
            for (i = 0; i < n; i++) { t = i / rate; printf "%.3f %.6f\n", t, sin(2 * pi * f * t) + 2 * uniform() - 1 } }' \
    >own_tone.dat
awk -v seed="$own_seed" -v tau="$decay_tau" -v n0="$decay_n0" -v bins="$decay_bins" -v width="$decay_bin_width" "$uniform_awk"'
    function poisson(mean,  k, p, limit) {
        limit = exp(-mean); p = uniform()
        for (k = 0; p > limit; k++) p *= uniform()
        return k }
    BEGIN { for (k = 0; k < bins; k++) { t = (k + 0.5) * width; printf "%d %g\n", poisson(n0 * exp(-t / tau)), t } }' \
    >own_decay.dat

run_step -l own_tone_spectrum crab_spectrum "${tone_options[@]}"
estimate crab_spectrum "strongest frequency of the tone (Hz)" "$(cut -f2 own_tone_spectrum.stdout | tail -1)" "$tone_frequency"
plot_step own_tone "The tone of own_tone.dat: its first 0.1 s, and its power spectrum on the 0.05 Hz grid; the dashed line is at the $tone_frequency Hz it was made with" \
    "$tone_frequency"

run_step -l own_decay_fit meson_lifetime "${decay_options[@]}"
tau_interval own_interval own_decay_fit 1e9
reported own_n0_interval own_decay_fit 's/^[a-z_]*: N0 [^ ]*, chi-square within 1 of its minimum from \([^ ]*\) to \([^ ]*\)$/\1 \2/p' \
    "N0's one-sigma interval"
own_n0_interval=$(awk 'NF == 2 { printf "%.4g to %.4g", $1, $2 }' <<<"$own_n0_interval")
estimate meson_lifetime "lifetime (ns)" "$(awk '{ printf "%.4g", $3 * 1e9 }' own_decay_fit.stdout)" "$decay_tau" "$own_interval"
estimate meson_lifetime "N0 (decays per bin at t = 0)" "$(awk '{ print $2 }' own_decay_fit.stdout)" "$decay_n0" "$own_n0_interval"
plot_step own_decay "The decay counts of own_decay.dat with the fitted exponential and, dashed, the $decay_n0 exp(-t/$decay_tau ns) they were drawn about" \
    "$decay_tau" "$decay_n0"
