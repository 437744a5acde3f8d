# Mean distance from the origin after each step count, walk3d.dat and
# walk2d.dat (step, mean, mean/sqrt(M)), with the square-root laws for steps of
# mean square 1: sqrt(8N/(3 pi)) in space, sqrt(pi N)/2 in the plane.
# Usage: gnuplot -c plots/walk_distance.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
set title "Mean distance of 100 random walks from the origin against the square-root law"
set xlabel "number of steps N"
set ylabel "mean distance (step lengths)"
set grid
set key top left
set samples 500
plot "walk3d.dat" every 25 using 1:2:3 with yerrorbars pt 7 ps 0.6 lc rgb "#1f77b4" title "space (wander\\_space)", \
     "walk2d.dat" every 25 using 1:2:3 with yerrorbars pt 5 ps 0.6 lc rgb "#d62728" title "plane (wander\\_plane)", \
     sqrt(8 * x / (3 * pi)) with lines lw 2 lc rgb "#1f77b4" title "sqrt(8N / 3{/Symbol p})", \
     sqrt(pi * x) / 2 with lines lw 2 dt 2 lc rgb "#d62728" title "sqrt({/Symbol p}N) / 2"
