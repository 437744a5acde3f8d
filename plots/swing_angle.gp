# Pendulum released at 1 rad: pend.dat (t, theta1, omega1, E1, theta2, omega2,
# E2, reference angle, reference angular velocity).
# Usage: gnuplot -c plots/swing_angle.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
set title "Pendulum released at 1 rad, first 20 s: two numerical steps (dt = 1 ms) and the small-angle form"
set xlabel "time t (s)"
set ylabel "angle theta (rad)"
set xrange [0:20]
set grid
set key outside below horizontal
plot "pend.dat" every 10 using 1:2 with lines lw 2 title "first-order step", \
     "pend.dat" every 10 using 1:5 with lines lw 2 title "midpoint step", \
     "pend.dat" every 10 using 1:8 with lines dt 2 lc rgb "black" title "small-angle closed form"
