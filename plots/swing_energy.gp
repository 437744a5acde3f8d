# Pendulum energy per unit mass: pend.dat, columns 4 (first-order) and 7 (midpoint).
# Usage: gnuplot -c plots/swing_energy.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
set title "Pendulum energy per unit mass: first-order drift against the midpoint step"
set xlabel "time t (s)"
set ylabel "energy per unit mass E (J/kg)"
set grid
set yrange [4.3:7]
set key top left
plot "pend.dat" every 10 using 1:4 with lines lw 2 title "first-order step", \
     "pend.dat" every 10 using 1:7 with lines lw 2 title "midpoint step", \
     9.81 * (1 - cos(1)) with lines dt 2 lc rgb "black" title "released at 1 rad: 9.81 (1 - cos 1)"
