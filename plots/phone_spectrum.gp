# Amplitude spectrum of the phone carrier: fphone.txt (f, Re, Im, amplitude).
# Usage: gnuplot -c plots/phone_spectrum.gp OUT.png (in the data folder).
set terminal pngcairo size 900,600
set output ARG1
set title "Phone carrier amplitude spectrum (phone\\_spectrum): 1.85 GHz carrier, 20 MHz AM sidebands"
set xlabel "frequency (GHz)"
set ylabel "amplitude (log scale)"
set logscale y
set format y "10^{%L}"
set grid
plot "fphone.txt" using ($1 / 1e9):4 with lines lw 1 title "amplitude"
