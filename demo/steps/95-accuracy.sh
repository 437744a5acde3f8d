# Accuracy studies: the error of each method against the work it does, measured
# by running the programs (or read from the files they wrote above), with the
# slope of a straight-line fit in log-log beside the slope theory gives.
# Arguments and seeds are fixed, so every number reproduces to the digit.
section accuracy "Accuracy" "How fast each method's error falls (or grows) with the work it does, measured from the programs themselves: each study runs a program over a range of sizes, or reads the file a stepper wrote above, and plots the error against the work on log-log axes. A straight-line fit (gnuplot's fit) gives the measured slope; the dashed line has the slope theory predicts, and the table gives the tolerance within which demo/check_demo.sh requires the measured slope. The Monte Carlo studies run every size once with each of the seeds 1 to 20 and fit the standard deviation over them, whose error bars are its own standard error."
study_start=$(date +%s.%N)

# Seeds of the Monte Carlo studies: every size is run once with each.
mc_seeds=({1..20})
# Steps of the steppers' studies, 1, 2 and 5 per decade (the pendulum's as
# the number of steps to its end time), and the steps of the finer runs the
# flights are measured from.
swing_counts=(16 32 80 160 320 800 1600 3200 8000 16000)
rocket_steps=(0.2 0.1 0.05 0.02 0.01 0.005 0.002)
rocket_reference_step=0.00002
launch_steps=(1 0.5 0.2 0.1 0.05 0.02 0.01)
launch_reference_step=0.0001
ode_steps=(0.1 0.05 0.02 0.01 0.005 0.002 0.001 0.0005 0.0002 0.0001)
# Intervals of the quadrature study, about 10 per decade and even, as
# Simpson's rule needs; the whole pulse only from where the trapezoid has
# begun to converge.
quadrature_intervals=(2 4 6 8 10 12 16 20 26 32 40 50 64 80 100 126 160 200 250 316 400 500 630 800 1000)
pulse_intervals=(100 126 160 200 250 316 400 500 630 800 1000)
# The pulse's phase x^3 turns by 3h at x = 1: from h = 1/8 on both rules are
# in their power laws.
quadrature_fit_step=0.125
# A point counts as above the rounding floor while its error exceeds this many
# times 6e-8 sqrt(N), the random walk of N single-precision roundings.
quadrature_floor_margin=5

# Sample counts 1, 2 and 5 per decade.
decades() {
    local first=$1 last=$2 e m
    for ((e = first; e < last; e++)); do
        for m in 1 2 5; do echo $((m * 10 ** e)); done
    done
    echo $((10 ** last))
}

# spread: for each column of the lines on standard input (one line per seed),
# the standard deviation, its standard error sd / sqrt(2 (m - 1)) for m
# normally distributed values, and the mean absolute value.
spread() {
    awk '{ for (c = 1; c <= NF; c++) v[NR, c] = $c; columns = NF }
        END {
            for (c = 1; c <= columns; c++) {
                mean = 0; for (r = 1; r <= NR; r++) mean += v[r, c] / NR
                q = 0; a = 0
                for (r = 1; r <= NR; r++) { d = v[r, c] - mean; q += d * d; a += (v[r, c] < 0 ? -v[r, c] : v[r, c]) }
                sd = sqrt(q / (NR - 1))
                printf "%s%.4g %.3g %.4g", (c > 1 ? " " : ""), sd, sd / sqrt(2 * (NR - 1)), a / NR
            }
            print ""
        }'
}

# state_after NAME STEPS ARG...: line STEPS of the file the stepper NAME
# writes, its state after that many steps; the run writes to a scratch file.
state_after() {
    local name=$1 steps=$2 status
    shift 2
    measure "$name" "$@" --output=accuracy_run.tmp >/dev/null
    status=$?
    [ "$status" -eq 0 ] && sed -n "${steps}{p;q}" accuracy_run.tmp
    rm -f accuracy_run.tmp
    return "$status"
}

# Volume of the unit ball by hit-or-miss sampling of the cube: the fractional
# error dimension_volume prints, for d = 2, 4, 6, over the seeds.
volume_table() {
    local n d seed value line row
    echo "# samples  then for d = 2, 4, 6: standard deviation over the seeds of the fractional volume error, its standard error, mean |error| (dimension_volume)"
    for n in $(decades 2 5); do
        row=$(for seed in "${mc_seeds[@]}"; do
            line=""
            for d in 2 4 6; do
                value=$(measure dimension_volume --seed="$seed" "$d" "$n") || exit 1
                line+=" ${value##*error= }"
            done
            echo "$line"
        done | spread) || return 1
        echo "$n $row"
    done
}

# The same in dimensions 3 and 8 from ball_volume, which draws each point once
# for every dimension up to the highest.
ball_table() {
    local n seed output d error errors row
    echo "# samples  then for d = 3, 8: standard deviation over the seeds of the fractional volume error, its standard error, mean |error| (ball_volume)"
    for n in $(decades 2 5); do
        row=$(for seed in "${mc_seeds[@]}"; do
            output=$(measure ball_volume --dimensions=8 --samples="$n" --seed="$seed") || exit 1
            errors=""
            while read -r d _ _ error; do
                case $d in 3 | 8) errors+=" $error" ;; esac
            done <<<"$output"
            echo "$errors"
        done | spread) || return 1
        echo "$n $row"
    done
}

# Atoms left after one half-life of 50, in steps of 1: every atom draws once
# per step with probability ln 2 / 50, so each survives the 50 steps with
# probability (1 - ln 2 / 50)^50 = 0.498 and the count left is binomial.
half_life_table() {
    local n seed left row
    echo "# atoms  standard deviation over the seeds of (atoms left after one half-life)/(N0/2) - 1, its standard error, mean |deviation| (half_life_sim, half-life 50, step 1)"
    for n in $(decades 2 5); do
        row=$(for seed in "${mc_seeds[@]}"; do
            left=$(measure half_life_sim --seed="$seed" --step=1 --bin-width=50 --duration=50 "$n" 50) || exit 1
            echo "${left##* }"
        done | awk -v n="$n" '{ print 2 * $1 / n - 1 }' | spread) || return 1
        echo "$n $row"
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

# The pendulum released from rest at 1 rad passes the bottom at odd multiples
# of its quarter period, pi / (2 AGM(1, cos(1/2)) sqrt(g/L)) with AGM the
# arithmetic-geometric mean. At the second pass the exact angle is zero, so the
# angle a step reaches there in a whole number of steps is its error, and the
# file's five significant digits resolve it to 1e-5 of itself.
swing_step_table() {
    local t k state
    t=$(awk 'BEGIN { x = 1; y = cos(0.5)
        for (i = 0; i < 6; i++) { m = (x + y) / 2; y = sqrt(x * y); x = m }
        printf "%.17g", 3 * atan2(0, -1) / (2 * x * sqrt(9.81)) }')
    echo "# step (s)  |angle| (rad) at the second pass through the bottom, t = $t s, of the first-order and the midpoint step  g h t / 2L (swing_sim)"
    for k in "${swing_counts[@]}"; do
        state=$(state_after swing_sim "$k" --angle=1 --length=1 --gravity=9.81 --duration="$t" \
            --step="$(awk -v t="$t" -v k="$k" 'BEGIN { printf "%.17g", t / k }')") || return 1
        awk -v t="$t" -v k="$k" '{ h = t / k
            printf "%.6g %s %s %.3g\n", h, $2 < 0 ? -$2 : $2, $5 < 0 ? -$5 : $5, 9.81 * h * t / 2 }' <<<"$state"
    done
}

# flight_errors NAME DURATION REFERENCE_STEP STEP...: for each step, the
# distance between the positions after DURATION at that step and at the
# reference step, 100 times finer than the finest.
flight_errors() {
    local name=$1 duration=$2 reference_step=$3 h reference state
    shift 3
    reference=$(state_after "$name" "$(awk -v t="$duration" -v h="$reference_step" 'BEGIN { printf "%d", t / h + 0.5 }')" \
        --step="$reference_step" --duration="$duration") || return 1
    for h in "$@"; do
        state=$(state_after "$name" "$(awk -v t="$duration" -v h="$h" 'BEGIN { printf "%d", t / h + 0.5 }')" \
            --step="$h" --duration="$duration") || return 1
        awk -v h="$h" -v r="$reference" '{ split(r, a, " ")
            printf "%s %.4g\n", h, sqrt(($2 - a[2]) ^ 2 + ($3 - a[3]) ^ 2) }' <<<"$state"
    done
}

# Position at a fixed time against the finer run: rocket at the end of its
# 10 s, launch_trajectory at 50 s, still in the powered ascent, as two data
# sets. Rocket's steps start lower: launched at 1.7 m/s, its path turns fast
# at first, and steps above 0.1 s are not yet in the first-order law.
flight_table() {
    echo "# step (s)  distance (m) from the run at step $rocket_reference_step s at t = 10 s (rocket)"
    flight_errors rocket 10 "$rocket_reference_step" "${rocket_steps[@]}" || return 1
    printf '\n\n# step (s)  distance (m) from the run at step %s s at t = 50 s (launch_trajectory)\n' "$launch_reference_step"
    flight_errors launch_trajectory 50 "$launch_reference_step" "${launch_steps[@]}"
}

# Oscillator state after 10 s against the closed form (cos t, -sin t).
ode_step_table() {
    local h state
    echo "# step (s)  distance in phase space between the midpoint step and (cos t, -sin t) at t = 10 s (ode_stepper)"
    for h in "${ode_steps[@]}"; do
        state=$(state_after ode_stepper "$(awk -v h="$h" 'BEGIN { printf "%d", 10 / h + 0.5 }')" \
            --step="$h" --duration=10) || return 1
        awk -v h="$h" '{ printf "%s %.4g\n", h, sqrt(($2 - cos(10)) ^ 2 + ($3 + sin(10)) ^ 2) }' <<<"$state"
    done
}

# reference_integral FROM TO: the intensity integrated in double precision by
# Simpson's rule on 2^18 intervals, converged there to 1e-13 of the integral.
# 411.6000061 is c r as the program forms it, in single precision.
reference_integral() {
    awk -v a="$1" -v b="$2" '
        function f(x,   p) { p = 20 * cos(x ^ 3) * exp(-(x / 4) ^ 8); return p * p / 411.6000061035156 }
        BEGIN { n = 2 ^ 18; h = (b - a) / n; s = f(a) + f(b)
            for (i = 1; i < n; i++) s += (i % 2 ? 4 : 2) * f(a + i * h)
            printf "%.15g", s * h / 3 }'
}

# quadrature_errors FROM TO INTERVALS...: for each number of intervals k, the
# step, N = k + 1 points, and the relative errors of the trapezoid and
# Simpson results over the whole interval: the last line of a run whose step
# is (TO - FROM) / k and whose points end at N.
quadrature_errors() {
    local from=$1 to=$2 k step integral
    shift 2
    integral=$(reference_integral "$from" "$to")
    for k in "$@"; do
        step=$(awk -v a="$from" -v b="$to" -v k="$k" 'BEGIN { printf "%.17g", (b - a) / k }')
        measure quadrature --from="$from" --to="$to" --step="$step" --points=$((k + 1)) \
            --output=accuracy_run.tmp >/dev/null || { rm -f accuracy_run.tmp; return 1; }
        tail -n 1 accuracy_run.tmp | tr -d '{},' | awk -v k="$k" -v h="$step" -v i="$integral" '
            { t = ($2 - i) / i; s = ($3 - i) / i
              printf "%d %.6g %d %.4g %.4g\n", k, h, k + 1, t < 0 ? -t : t, s < 0 ? -s : s }'
        rm -f accuracy_run.tmp
    done
}

# Trapezoid and Simpson on the rising half of the pulse, 0 to 1, where the
# end-point derivatives differ and the rules follow h^2 and h^4; each point
# marked as fitted while in the power law and above single precision's
# rounding floor. Then, as a second data set, the trapezoid over the whole
# pulse, -6 to 6, whose ends are flat to all orders.
quadrature_table() {
    echo "# intervals k  step h  points N  |T - I|/I  |S - I|/I  floor 6e-8 sqrt(N)  T fitted  S fitted (quadrature from 0 to 1; I by Simpson in double)"
    quadrature_errors 0 1 "${quadrature_intervals[@]}" | awk -v top="$quadrature_fit_step" -v margin="$quadrature_floor_margin" '
        { floor = 6e-8 * sqrt($3)
          printf "%s %.3g %d %d\n", $0, floor, ($2 <= top && $4 > margin * floor), ($2 <= top && $5 > margin * floor) }' ||
        return 1
    printf '\n\n# intervals k  step h  points N  |T - I|/I  |S - I|/I (quadrature from -6 to 6)\n'
    quadrature_errors -6 6 "${pulse_intervals[@]}"
}

# quadrature_fit_range COLUMN: the points fitted for the trapezoid (column 7)
# or Simpson (8) and the first N past them, where the floor takes over.
quadrature_fit_range() {
    awk -v c="$1" -v margin="$quadrature_floor_margin" '/^$/ { exit } /^#/ { next }
        $c == 1 { if (first == "") first = $3; last = $3 }
        $c == 0 && last != "" && after == "" { after = $3 }
        END { printf "fitted for N = %s to %s; from N = %s on within %s times the rounding floor", first, last, after, margin }' \
        accuracy_quadrature.dat
}

# RMS error of the partial sums with 1 to 100 harmonics, on a grid of 0.001
# (fine enough for the 100th harmonic's period of 0.02) and on the default
# grid of 0.1, beside the exact RMS over the continuous wave: the harmonics
# left out, each of mean square 1 / (2 pi^2 j^2).
sawtooth_table() {
    local folder=accuracy_sawtooth.tmp
    mkdir -p "$folder" || return 1
    if measure sawtooth_series --harmonics=100 --step=0.001 --output-dir="$folder" >/dev/null &&
        mv "$folder/rmsaw.txt" "$folder/fine" &&
        measure sawtooth_series --harmonics=100 --output-dir="$folder" >/dev/null; then
        echo "# harmonics n  RMS error on the grid of 0.001  on the grid of 0.1  exact RMS over the wave (sawtooth_series)"
        paste -d ' ' "$folder/fine" "$folder/rmsaw.txt" | awk '
            BEGIN { pi = atan2(0, -1); left = pi * pi / 6 }
            { left -= 1 / ($1 * $1); printf "%s %s %s %.6g\n", $1, $2, $4, sqrt(left / (2 * pi * pi)) }'
    else
        rm -rf "$folder"
        return 1
    fi
    rm -rf "$folder"
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

study swing_step_table accuracy_swing_step \
    "Angle error of the pendulum (swing_sim, released from rest at 1 rad) at its second pass through the bottom, three quarters of the large-swing period of 2.14 s, where the closed form's angle is exactly zero, against the step: t/16 to t/16000. The midpoint step follows h^2 over all three decades. The first-order step's amplitude grows like exp(g h t / 2L), which is linear in h only while g h t / 2L is small: the fit takes the steps up to 0.01 s, where it is 0.08; the larger steps bend away upwards."
study flight_table accuracy_flight \
    "Position error of the explicit first-order step of rocket (after 10 s, steps 0.2 s to 0.002 s) and launch_trajectory (after 50 s, in the powered ascent, steps 1 s to 0.01 s) against the step, measured from a run of each program at a step 100 times finer than its finest, whose own error is a hundredth of the finest point's. Rocket starts at 1.7 m/s, so its path turns fast at first and its steps start lower. The mass that lags one step behind (rocket) and the thrust's pitch evaluated at the start of each step (launch_trajectory) are errors of first order too."
study ode_step_table accuracy_ode_step \
    "Distance in phase space between the midpoint step of ode_stepper and the closed form (cos t, -sin t) at t = 10 s, against the step, 0.1 s to 1e-4 s. The step turns the phase by h + h^3/6 instead of h, so after t the phase lags by h^2 t / 6: the second-order law, with the file's ten digits far below the finest point."
study quadrature_table accuracy_quadrature \
    "Relative error of quadrature's single-precision trapezoid (T) and Simpson (S) rules over the rising half of the pulse, 0 to 1, against the step h = 1/k for k = 2 to 1000 intervals, against a double-precision Simpson sum on 2^18 intervals. T follows h^2 and S h^4 (filled points are the fitted ones) down to single precision's rounding floor, the dotted line 6e-8 sqrt(N): each of the N additions rounds the running sum by up to 6e-8 of its size (the float epsilon), and the N roundings add like a random walk (6e-8 N at worst). S, starting lower and falling faster, meets the floor within a decade of steps. Over the whole pulse, -6 to 6 (open squares), the window exp(-(x/4)^8) makes the intensity and all its derivatives vanish at both ends, so the end corrections of the Euler-Maclaurin series vanish and the trapezoid rule converges faster than any power of h, within half a decade of steps from percents to the floor: no power law to fit, which is why the study integrates half the pulse."
study sawtooth_table accuracy_sawtooth \
    "RMS error of the sawtooth's Fourier partial sums (sawtooth_series, 1 to 100 harmonics) against the number of harmonics. Over the continuous wave the harmonics left out carry a mean square of 1/(2 pi^2 j^2) each, so the RMS error falls as 1/(pi sqrt(2n)) (exact curve): slope -1/2, the Gibbs overshoot at each jump shrinking in width but not in height. On a grid of 0.001 the program follows it; on its default grid of 0.1 the points at t = 0, 2, ..., 10 sit on the jumps, where every partial sum is 1/2 away from the wave, and hold the RMS near sqrt(6/101)/2 = 0.12 for any n: that floor, not the series, is what the default rmsaw.txt shows beyond a few harmonics. Slopes fitted from n = 10 on."
study volume_table accuracy_dimension_volume \
    "Standard deviation over the 20 seeds of the fractional error of dimension_volume's hit-or-miss volume of the unit ball in 2, 4 and 6 dimensions against the number of samples. A point falls in the ball with the probability p of the ball's share of the cube, so the estimate's standard deviation is sqrt((1 - p) / (p N)): slope -1/2, higher in 6 dimensions, where p is 8%. The error bars are the standard error of a standard deviation from 20 values, 16%."
study ball_table accuracy_ball_volume \
    "The same for ball_volume in 3 and 8 dimensions (all dimensions from the same points): in 8 dimensions only 1.6% of the cube is inside the ball, and the standard deviation is 7.9/sqrt(N) against 0.95/sqrt(N) in 3, the same slope at every N, since the count inside is binomial."
study half_life_table accuracy_half_life_sim \
    "Standard deviation over the 20 seeds of the relative deviation of the atoms left after one half-life from one half (half_life_sim, half-life 50, steps of 1) against the atoms at the start. Each atom survives the 50 steps with probability 0.498, independently, so the count left is binomial and the relative standard deviation is 1/sqrt(N0): slope -1/2. The step's discreteness shifts the mean by 0.5% but not the spread."
study pi_table accuracy_pi_series \
    "Fractional error printed by pi_series against the number of Leibniz terms: the alternating series stops about 1/N short of pi, a fractional error of 1/(pi N), the straight line of slope -1; the six printed decimals limit the last points to two digits."
study swing_table accuracy_swing_sim \
    "Energy error of the pendulum (released at 1 rad) against time, from pend.dat. The first-order step gains energy in every swing, nearly in proportion to time (the slope creeps above 1 as the gain compounds: 49% after 50 s); the midpoint step's energy reads 4.5096 on every line, its error bounded below the file's five digits, flat at the rounding of the printed value."
study oscillator_table accuracy_ode_stepper \
    "Distance in phase space between the midpoint step (h = 1e-4 s) and the closed form, from ode_stepper.dat. The step turns the phase by h + h^3/6 instead of h, so the error grows in proportion to time, h^2 t / 6 = 1.7e-9 t, while the amplitude grows by only n h^4/8, below 1e-11 after 50 s: the second-order step's error is a slowly growing phase lag, not a drift of energy."

accuracy_row accuracy_swing_step 1 "swing_sim, first order" "first-order (Euler) step" "angle at the second pass through the bottom (exactly 0)" "step 0.1 to 1e-4 s, fitted at 0.01 s and below" "1 ± 0.1"
accuracy_row accuracy_swing_step 2 "swing_sim, midpoint" "second-order midpoint step" "angle at the second pass through the bottom (exactly 0)" "step 0.1 to 1e-4 s" "2 ± 0.1"
accuracy_row accuracy_flight 1 "rocket" "first-order (Euler) step" "position at 10 s against a step of 2e-5 s" "step 0.2 to 0.002 s" "1 ± 0.1"
accuracy_row accuracy_flight 2 "launch_trajectory" "first-order (Euler) step" "position at 50 s against a step of 1e-4 s" "step 1 to 0.01 s" "1 ± 0.1"
accuracy_row accuracy_ode_step 1 "ode_stepper, step" "second-order midpoint step" "phase-space distance to cos t at 10 s" "step 0.1 to 1e-4 s" "2 ± 0.1"
accuracy_row accuracy_quadrature 1 "quadrature, trapezoid" "trapezoid rule, single precision, 0 to 1" "relative error against a double-precision integral, $(quadrature_fit_range 7) of single precision, 6e-8 sqrt(N) of the sum" "step 1/2 to 1/1000 (N = 3 to 1001)" "2 ± 0.1"
accuracy_row accuracy_quadrature 2 "quadrature, Simpson" "Simpson's rule, single precision, 0 to 1" "relative error against a double-precision integral, $(quadrature_fit_range 8) of single precision, 6e-8 sqrt(N) of the sum" "step 1/2 to 1/1000 (N = 3 to 1001)" "4 ± 0.1"
accuracy_row accuracy_sawtooth 1 "sawtooth_series, fine" "Fourier partial sums, RMS on a grid of 0.001" "RMS error against the wave" "harmonics 1 to 100, fitted from 10" "-1/2 ± 0.05"
accuracy_row accuracy_sawtooth 2 "sawtooth_series, default" "Fourier partial sums, RMS on the default grid of 0.1" "RMS error against the wave (grid points on the jumps)" "harmonics 1 to 100, fitted from 10" "0 ± 0.05 (floor of the jumps)"
accuracy_row accuracy_dimension_volume 1 "dimension_volume, d = 2" "hit-or-miss Monte Carlo, 20 seeds" "standard deviation of the fractional volume error" "samples 10^2 to 10^5" "-1/2 ± 0.1"
accuracy_row accuracy_dimension_volume 2 "dimension_volume, d = 4" "hit-or-miss Monte Carlo, 20 seeds" "standard deviation of the fractional volume error" "samples 10^2 to 10^5" "-1/2 ± 0.1"
accuracy_row accuracy_dimension_volume 3 "dimension_volume, d = 6" "hit-or-miss Monte Carlo, 20 seeds" "standard deviation of the fractional volume error" "samples 10^2 to 10^5" "-1/2 ± 0.1"
accuracy_row accuracy_ball_volume 1 "ball_volume, d = 3" "hit-or-miss Monte Carlo, 20 seeds" "standard deviation of the fractional volume error" "samples 10^2 to 10^5" "-1/2 ± 0.1"
accuracy_row accuracy_ball_volume 2 "ball_volume, d = 8" "hit-or-miss Monte Carlo, 20 seeds" "standard deviation of the fractional volume error" "samples 10^2 to 10^5" "-1/2 ± 0.1"
accuracy_row accuracy_half_life_sim 1 "half_life_sim" "one draw per atom and step, 20 seeds" "standard deviation of atoms left after one half-life over N0/2" "atoms 10^2 to 10^5" "-1/2 ± 0.1"
accuracy_row accuracy_pi_series 1 "pi_series" "Leibniz series" "fractional error of pi" "terms 10 to 10^4" "-1 ± 0.05"
accuracy_row accuracy_swing_sim 1 "swing energy, first order" "first-order (Euler) step, 1 ms" "energy error against the energy at release" "time 0.1 to 50 s (100 to 50000 steps)" "1 ± 0.1 (linear growth)"
accuracy_row accuracy_swing_sim 2 "swing energy, midpoint" "second-order midpoint step, 1 ms" "energy error against the energy at release" "time 0.1 to 50 s (100 to 50000 steps)" "0 ± 0.1 (bounded)"
accuracy_row accuracy_ode_stepper 1 "ode_stepper, time" "second-order midpoint step, 0.1 ms" "phase-space distance to cos t" "time 1 to 50 s (10^4 to 5x10^5 steps)" "1 ± 0.1 (phase lag h^2 t/6)"

# The spectrum's exactness: for every line of crab_spectrum's grid up to
# 100 Hz, the transform's rigorous bound on how far its coefficients may lie
# from the scalar loop's, beside their measured distance from a scalar run;
# a line the bound cannot decide is recomputed by the scalar loop. The tool
# is built beside the programs (build/bench), not installed.
exactness_tool=$build/bench/spectrum_exactness
exactness_grid=(--from 1 --to 100.05 --step 0.1)
if [ -x "$exactness_tool" ]; then
    exactness_table() { "$exactness_tool" "${exactness_grid[@]}"; }
    study exactness_table accuracy_exactness \
        "Every line of crab_spectrum's grid from 1 to 100 Hz on the sample data: the transform's rigorous bound on the distance of its coefficients from the scalar loop's (line), and their measured distance from a run of the scalar loop (points; a distance of 0 is not drawn). A line whose bound could change a printed digit is recomputed by the scalar loop (marked at the top), so every printed digit is the scalar loop's. The bound holds on every line and lies orders of magnitude above the distance: it sums worst cases of every rounding."
    accuracy_row accuracy_exactness 1 "spectrum exactness" "chirp transform and vector paths, each line's bound" "largest measured distance over bound, $(sed -n 2p accuracy_exactness.slopes 2>/dev/null) of $(sed -n 3p accuracy_exactness.slopes 2>/dev/null) lines recomputed" "crab grid 1 to 100 Hz" "below 1 (every bound holds)"
else
    section_note accuracy "The spectrum's exactness study was skipped: $exactness_tool is not built here."
fi

study_seconds=$(awk -v a="$study_start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
section_note accuracy "The studies took $study_seconds s on this machine."
