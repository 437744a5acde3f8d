# Velocity histogram printed by trip_frequency (lines "[lo to hi]  [count]");
# the last band takes 40 and above and every negative or non-finite velocity.
set terminal pngcairo size 900,600
set output ARG1
set title "Rides per velocity band (last band: 40 m/s and above, negative, inf, nan)"
set xlabel "mean ride velocity (m/s)"
set ylabel "number of rides"
set xrange [0:44]
set xtics 0, 4, 44
set yrange [0:*]
set style fill solid 0.6
set boxwidth 3.6
set grid ytics
set key off
plot "< awk -F'[][ ]+' 'NR >= 30 && NR <= 40 { print $2 + 2, $5 }' trip_frequency.stdout" using 1:2 with boxes
