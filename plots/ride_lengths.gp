# Path lengths from the distance list rides.txt of trip_lengths
# (lines "Ride # k:  length meters"), binned by 500 m.
set terminal pngcairo size 900,600
set output ARG1
set title "Distribution of ride path lengths"
set xlabel "path length (m)"
set ylabel "number of rides"
bin = 500.0
set xrange [0:*]
set yrange [0:*]
set offsets 0, 0, graph 0.05, 0
set style fill solid 0.6
set boxwidth bin * 0.9
set grid ytics
set key off
plot "< awk '{ print $4 }' rides.txt" using (bin * (floor($1 / bin) + 0.5)):(1) smooth frequency with boxes
