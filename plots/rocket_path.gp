# Path of rocket over its first 10 s: rocket.txt (t, x, y).
# Usage: gnuplot -c plots/rocket_path.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
set title "Rocket launched at 45 degrees: path over the first 10 s (0.1 s steps)"
set xlabel "horizontal distance x (m)"
set ylabel "height y above the launch level (m)"
set grid
set key top right
plot "rocket.txt" using 2:3 with linespoints pt 7 ps 0.5 title "rocket position, every 0.1 s", \
     0 with lines dt 2 lc rgb "black" title "launch level"
