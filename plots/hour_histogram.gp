# Hour histogram printed by trip_frequency (lines "[hour] [count]").
set terminal pngcairo size 900,600
set output ARG1
set title "Position fixes per hour of the day"
set xlabel "hour of the day (h)"
set ylabel "number of fixes"
set xrange [-0.5:23.5]
set xtics 0, 2, 23
set yrange [0:*]
set style fill solid 0.6
set boxwidth 0.8
set grid ytics
set key off
plot "< awk -F'[][ ]+' 'NR >= 3 && NR <= 26 { print $2, $3 }' trip_frequency.stdout" using 1:2 with boxes
