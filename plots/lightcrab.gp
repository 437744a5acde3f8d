# Folded Crab light curve: lightcrab.txt (bin, weighted sum) as bars, 6 degrees
# a bin. Usage: gnuplot -c plots/lightcrab.gp OUT.png (in the data folder).
set terminal pngcairo size 900,600
set output ARG1
set title "Crab light curve folded at 30.2452 Hz (fraction of the phase in radians; bins 10-69 stay empty)"
set xlabel "fold angle (degrees, 6 per bin)"
set ylabel "weighted brightness sum (counts per sample)"
set xrange [0:420]
set yrange [0:*]
set boxwidth 6
set style fill solid 0.6 border -1
set grid ytics
plot "lightcrab.txt" using ($1 * 6 + 3):2 with boxes title "k-th sample of a bin weighted 1/k"
