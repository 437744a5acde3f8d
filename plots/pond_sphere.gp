# The sampled points of pond3.dat: block 0 inside the unit sphere, block 1
# outside it (between the sphere and the cube [-1, 1]^3). Left: the inside
# block in space; right: both blocks in the slab |z| < 0.05.
# Usage: gnuplot -c plots/pond_sphere.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
set multiplot layout 1,2 title "100000 random points of the cube [-1, 1]^3 inside and outside the inscribed unit sphere"
set title "inside points (every 5th)"
set xlabel "x (radii)"
set ylabel "y (radii)"
set zlabel "z (radii)" rotate parallel offset 2,0
set view 65, 30
set view equal xyz
set xyplane 0
set xtics 1
set ytics 1
set ztics 1
splot "pond3.dat" index 0 every 5 using 1:2:3 with dots lc rgb "#1f77b4" notitle
set title "slab |z| < 0.05, all points"
set size ratio -1
set xtics 0.5
set ytics 0.5
set key outside bottom center horizontal
in_slab(x, z) = abs(z) < 0.05 ? x : 1/0
plot "pond3.dat" index 0 using 1:(in_slab($2, $3)) with points pt 7 ps 0.3 lc rgb "#1f77b4" title "inside", \
     "pond3.dat" index 1 using 1:(in_slab($2, $3)) with points pt 7 ps 0.3 lc rgb "#d62728" title "outside"
unset multiplot
