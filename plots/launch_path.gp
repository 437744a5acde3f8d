# Launch trajectory from lift-off to the ground: launch_trajectory.txt (t, x, y).
# Usage: gnuplot -c plots/launch_path.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
set title "Launch trajectory: pitch programme turns the thrust horizontal by burn-out at 115 s"
set xlabel "downrange distance x (km)"
set ylabel "height y (km)"
set grid
set key top right
plot "launch_trajectory.txt" every 100 using ($2/1000):($3/1000) with lines lw 2 title "path", \
     "launch_trajectory.txt" every 11500::11500::11500 using ($2/1000):($3/1000) \
        with points pt 7 ps 1.5 title "burn-out (t = 115 s)"
