# Unit-ball volumes from ball_volume.stdout (d, Monte Carlo, closed form,
# relative difference) against pi^(d/2) / Gamma(d/2 + 1) for real d.
# Usage: gnuplot -c plots/ball_volume.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
set title "Volume of the unit ball: Monte Carlo (9999 points) against the closed form"
set xlabel "dimension d"
set ylabel "volume (units^d)"
set grid
set key top right
set xrange [0.5:10.5]
set yrange [0:6]
set samples 400
plot pi**(x / 2) / gamma(x / 2 + 1) with lines lw 2 title "pi^{d/2} / {/Symbol G}(d/2 + 1)", \
     "ball_volume.stdout" using 1:2 with points pt 7 ps 1.5 title "Monte Carlo estimate"
