# Decays per 10-unit bin from carbon_chain.stdout (bin centre, C11, C10, both,
# atoms left) of the demo's run with 10000 atoms of each isotope, against the
# expected N0 (bin width / tau) exp(-t / tau) of each.
# Usage: gnuplot -c plots/carbon_chain.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
set title "Carbon sample of 10000 atoms each of C12, C11 and C10: decays per 10-unit time bin"
set xlabel "time (time units)"
set ylabel "decays per bin"
set logscale y
set yrange [0.8:2000]
set xrange [0:6000]
set grid
set key top right
plot "carbon_chain.stdout" using 1:2 with points pt 7 ps 0.4 title "C11 (tau = 1000)", \
     "carbon_chain.stdout" using 1:3 with points pt 5 ps 0.4 title "C10 (tau = 100)", \
     10000 * 10 / 1000.0 * exp(-x / 1000.0) with lines lw 2 title "10000 (10/1000) exp(-t/1000)", \
     10000 * 10 / 100.0 * exp(-x / 100.0) with lines lw 2 title "10000 (10/100) exp(-t/100)"
