# Left: the recorded walk of wander_space, walkpath3d.dat (step, x, y, z).
# Right: the end points of the 100 walks of wander_plane, walkpath2d.dat
# (walk, x, y), with the circle of radius sqrt(1000).
# Usage: gnuplot -c plots/walk_path.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
set multiplot layout 1,2 title "Random walks of 1000 steps"
set title "Recorded walk in space"
set xlabel "x (steps)"
set ylabel "y (steps)"
set zlabel "z (steps)" rotate parallel offset 2,0
set view 60, 30
set xyplane 0
set key top left
splot "walkpath3d.dat" using 2:3:4 with lines lc rgb "#1f77b4" title "path", \
      "walkpath3d.dat" every ::0::0 using 2:3:4 with points pt 7 ps 1.2 lc rgb "black" title "start", \
      "walkpath3d.dat" every ::1000::1000 using 2:3:4 with points pt 9 ps 1.5 lc rgb "#d62728" title "end"
set title "End points of 100 walks in the plane"
set xlabel "x (step lengths)"
set ylabel "y (step lengths)"
set size ratio -1
set grid
set parametric
set trange [0:2 * pi]
set key outside bottom center horizontal
plot "walkpath2d.dat" every ::1 using 2:3 with points pt 7 ps 0.7 lc rgb "#d62728" title "end points", \
     sqrt(1000) * cos(t), sqrt(1000) * sin(t) with lines dt 2 lc rgb "black" title "radius sqrt(1000)"
unset multiplot
