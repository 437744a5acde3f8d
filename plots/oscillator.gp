# Harmonic oscillator: ode_stepper.dat (t, x, v, reference x, reference v); the
# numerical state of a line is one step (1e-4 s) ahead of its time.
# Usage: gnuplot -c plots/oscillator.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
set multiplot layout 2,1 title "Harmonic oscillator (k = m = 1): midpoint step of 1e-4 s against the closed form"
set grid
set lmargin at screen 0.1
set rmargin at screen 0.75
set xlabel "time t (s)"
set ylabel "position x (m)"
set key outside right top
plot "ode_stepper.dat" every 200 using ($1 + 1e-4):2 with lines lw 3 title "midpoint step", \
     "ode_stepper.dat" every 200 using 1:4 with lines dt 2 lc rgb "black" title "cos(t)"
set ylabel "x - cos(t) (1e-9 m)"
plot "ode_stepper.dat" every 200 using ($1 + 1e-4):(($2 - cos($1 + 1e-4)) * 1e9) with lines title "x - cos(t)"
unset multiplot
