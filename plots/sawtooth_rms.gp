# RMS error of the sawtooth partial sums: rmsaw.txt (harmonics, RMS error).
# Usage: gnuplot -c plots/sawtooth_rms.gp OUT.png (in the data folder).
set terminal pngcairo size 900,600
set output ARG1
set title "RMS error of the sawtooth partial sums on 0 <= t <= 10"
set xlabel "number of harmonics N"
set ylabel "RMS error (wave height 1)"
set xrange [0:31]
set yrange [0:*]
set grid
plot "rmsaw.txt" using 1:2 with linespoints pt 7 title "partial sum minus exact wave"
