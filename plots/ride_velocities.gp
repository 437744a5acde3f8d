# Sorted ride velocities from velocities.txt (trip_speed_sort's sorted list,
# written there with --rides): ride rank against mean velocity.
set terminal pngcairo size 900,600
set output ARG1
set title "Mean ride velocities, slowest first"
set xlabel "rank of the ride"
set ylabel "mean velocity (m/s)"
set grid
set key off
plot "velocities.txt" using 0:2 with points pointtype 7 pointsize 0.5
