# Accuracy studies: the error of each method against the work it does, measured
# by running the programs (or read from the files they wrote above), with the
# slope of a straight-line fit in log-log beside the slope theory gives.
# Arguments and seeds are fixed, so every number reproduces to the digit.
section accuracy "Accuracy" "How fast each method's error falls (or grows) with the work it does, measured from the programs themselves: each study runs a program over a range of sizes, or reads the file a stepper wrote above, and plots the error against the work on log-log axes. A straight-line fit (gnuplot's fit) gives the measured slope; the dashed line has the slope theory predicts. The Monte Carlo and decay studies use one fixed seed each, so their scatter about the line is part of the result."
study_start=$(date +%s.%N)

# Sample counts 1, 2 and 5 per decade.
decades() {
    local first=$1 last=$2 e m
    for ((e = first; e < last; e++)); do
        for m in 1 2 5; do echo $((m * 10 ** e)); done
    done
    echo $((10 ** last))
}

# Volume of the unit ball by hit-or-miss sampling of the cube: the fractional
# error dimension_volume prints, for d = 2, 4, 6.
volume_table() {
    local n d line value
    echo "# samples  fractional error of the unit-ball volume in 2, 4 and 6 dimensions (dimension_volume)"
    for n in $(decades 2 7); do
        line=$n
        for d in 2 4 6; do
            value=$(measure dimension_volume "$d" "$n") || return 1
            line+=" ${value##*error= }"
        done
        echo "$line"
    done
}

# Atoms left after one half-life. With a half-life of 50 the first five bins
# hold exactly 500 steps, so the count of bin 4 (centre 45) is the count after
# one half-life; the step's discreteness shifts the expected fraction by only
# -5e-4 relative, below the scatter measured here.
half_life_table() {
    local n left
    echo "# atoms  atoms left at t = 50 (half-life 50)  relative deviation from N0/2 (half_life_sim)"
    for n in $(decades 2 5) 200000 500000; do
        left=$(measure half_life_sim "$n" 50) || return 1
        awk -v n="$n" '$1 == 45 { printf "%d %s %.6g\n", n, $3, ($3 - n / 2) / (n / 2) }' <<<"$left"
    done
}

# The Leibniz series: the fractional error pi_series prints (six decimals, so
# the range ends at 10^4 terms).
pi_table() {
    local n result
    echo "# terms  fractional error (pi_series)"
    for n in $(decades 1 4); do
        result=$(measure pi_series <<<"$n") || return 1
        echo "$n $(sed -n 's/.*Fractional error: \([-0-9.]*\).*/\1/p' <<<"$result")"
    done
}

# pick_times FIRST_STEP: the lines of a stepper's file at about 10 step counts
# per decade from FIRST_STEP on, and the last; each printed with the line
# before it (as "previous line|line"), since a line's numerical state belongs
# to the time printed on the next one.
pick_times() {
    awk -v keep="$1" '
        NR > 1 { last = prev "|" $0 }
        NR > 1 && NR - 1 >= keep { print last; last = ""; while (keep <= NR - 1) keep *= 10 ^ 0.1 }
        { prev = $0 }
        END { if (last != "") print last }'
}

# Pendulum energy per unit mass from pend.dat against the energy at release,
# 9.81 (1 - cos 1), for the first-order step (column 4) and the midpoint step
# (column 7).
swing_table() {
    [ -s pend.dat ] || { echo "demo: pend.dat is missing" >&2; return 1; }
    echo "# t (s)  energy error first-order step  energy error midpoint step (from pend.dat, 5 digits)"
    pick_times 100 <pend.dat | awk -F'|' '
        BEGIN { e0 = 9.81 * (1 - cos(1)) }
        { split($1, a, " "); split($2, b, " ")
          d1 = a[4] - e0; d2 = a[7] - e0
          printf "%s %.5g %.5g\n", b[1], d1 < 0 ? -d1 : d1, d2 < 0 ? -d2 : d2 }'
}

# Oscillator state from ode_stepper.dat against the closed form the program
# printed for the end of the step (the next line's reference columns).
oscillator_table() {
    [ -s ode_stepper.dat ] || { echo "demo: ode_stepper.dat is missing" >&2; return 1; }
    echo "# t (s)  distance between the midpoint step and (cos t, -sin t) (from ode_stepper.dat)"
    pick_times 10000 <ode_stepper.dat | awk -F'|' '
        { split($1, a, " "); split($2, b, " ")
          printf "%s %.4g\n", b[1], sqrt((a[2] - b[4]) ^ 2 + (a[3] - b[5]) ^ 2) }'
}

study volume_table accuracy_dimension_volume \
    "Fractional error of the Monte Carlo unit-ball volume (dimension_volume, seed 1299811) in 2, 4 and 6 dimensions against the number of samples. Each count restarts the same random sequence, so the points of one dimension are the running estimate of one sample; they scatter about the 1/sqrt(N) law of the standard error, more in 6 dimensions, where only 8% of the cube is inside the ball."
study half_life_table accuracy_half_life_sim \
    "Relative deviation of the atoms left after one half-life from one half (half_life_sim, half-life 50) against the atoms at the start. Binomial statistics give a standard deviation of 1/sqrt(N0); single runs fall anywhere within a few of it, so the fitted slope scatters about -1/2."
study pi_table accuracy_pi_series \
    "Fractional error printed by pi_series against the number of Leibniz terms: the alternating series stops about 1/N short of pi, a fractional error of 1/(pi N), the straight line of slope -1; the six printed decimals limit the last points to two digits."
study swing_table accuracy_swing_sim \
    "Energy error of the pendulum (released at 1 rad) against time, from pend.dat. The first-order step gains energy in every swing, nearly in proportion to time (the slope creeps above 1 as the gain compounds: 49% after 50 s); the midpoint step's energy reads 4.5096 on every line, its error bounded below the file's five digits, flat at the rounding of the printed value."
study oscillator_table accuracy_ode_stepper \
    "Distance in phase space between the midpoint step (h = 1e-4 s) and the closed form, from ode_stepper.dat. The step turns the phase by h + h^3/6 instead of h, so the error grows in proportion to time, h^2 t / 6 = 1.7e-9 t, while the amplitude grows by only n h^4/8, below 1e-11 after 50 s: the second-order step's error is a slowly growing phase lag, not a drift of energy."

accuracy_row accuracy_dimension_volume 1 "dimension_volume, d = 2" "hit-or-miss Monte Carlo" "fractional volume error" "samples 10^2 to 10^7" "-1/2"
accuracy_row accuracy_dimension_volume 2 "dimension_volume, d = 4" "hit-or-miss Monte Carlo" "fractional volume error" "samples 10^2 to 10^7" "-1/2"
accuracy_row accuracy_dimension_volume 3 "dimension_volume, d = 6" "hit-or-miss Monte Carlo" "fractional volume error" "samples 10^2 to 10^7" "-1/2"
accuracy_row accuracy_half_life_sim 1 "half_life_sim" "one draw per atom and step" "deviation of atoms left after one half-life from N0/2" "atoms 10^2 to 5x10^5" "-1/2"
accuracy_row accuracy_pi_series 1 "pi_series" "Leibniz series" "fractional error of pi" "terms 10 to 10^4" "-1"
accuracy_row accuracy_swing_sim 1 "swing_sim, first order" "first-order (Euler) step, 1 ms" "energy error against the energy at release" "time 0.1 to 50 s (100 to 50000 steps)" "1 (linear growth)"
accuracy_row accuracy_swing_sim 2 "swing_sim, midpoint" "second-order midpoint step, 1 ms" "energy error against the energy at release" "time 0.1 to 50 s (100 to 50000 steps)" "0 (bounded)"
accuracy_row accuracy_ode_stepper 1 "ode_stepper" "second-order midpoint step, 0.1 ms" "phase-space distance to cos t" "time 1 to 50 s (10^4 to 5x10^5 steps)" "1 (phase lag h^2 t/6)"

study_seconds=$(awk -v a="$study_start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
section_note accuracy "The studies took $study_seconds s on this machine."
