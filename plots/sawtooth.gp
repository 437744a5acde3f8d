# Sawtooth wave and its partial Fourier sums: saw1.txt, saw3.txt, saw5.txt,
# saw30.txt (t, exact, partial sum). Usage: gnuplot -c plots/sawtooth.gp OUT.png
set terminal pngcairo size 900,600
set output ARG1
set title "Sawtooth of period 2 and its Fourier partial sums"
set xlabel "time t (s)"
set ylabel "wave value (wave height 1)"
set xrange [0:10]
set key outside right top
set grid
plot "saw30.txt" using 1:2 with lines lw 2 lc rgb "black" title "exact wave", \
     "saw1.txt" using 1:3 with lines title "1 harmonic", \
     "saw3.txt" using 1:3 with lines title "3 harmonics", \
     "saw5.txt" using 1:3 with lines title "5 harmonics", \
     "saw30.txt" using 1:3 with lines title "30 harmonics"
