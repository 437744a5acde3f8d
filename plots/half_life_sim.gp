# half_life_sim.stdout (bin centre, decays, atoms left) for 10000 atoms with a
# half-life of 1000 time units, against N0 2^(-t/T) and the decays it gives
# in a 10-unit bin.
# Usage: gnuplot -c plots/half_life_sim.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
n0 = 10000
half = 1000.0
set title "Decay of 10000 atoms with a half-life of 1000 time units"
set xlabel "time (time units)"
set ylabel "atoms"
set logscale y
set yrange [0.8:20000]
set grid
set key top right
left(t) = n0 * 2**(-t / half)
plot "half_life_sim.stdout" using 1:3 with lines lw 2 lc rgb "#1f77b4" title "atoms left", \
     left(x) with lines dt 2 lw 2 lc rgb "black" title "10000 2^{-t/1000}", \
     "half_life_sim.stdout" using 1:2 with points pt 7 ps 0.4 lc rgb "#d62728" title "decays per 10-unit bin", \
     left(x - 5) - left(x + 5) with lines lw 2 lc rgb "#ff7f0e" title "expected decays per bin"
