# Photon-pair invariant mass histogram: 481X2T.txt (bin, count), unit bins
# from 120 to 149. Usage: gnuplot -c plots/pair_mass.gp OUT.png (in the data folder).
set terminal pngcairo size 900,600
set output ARG1
set title "Invariant mass of the photon pairs (occupied bins 120 to 149)"
set xlabel "pair mass (MeV)"
set ylabel "events per 1 MeV bin"
set xrange [120:150]
set yrange [0:*]
set boxwidth 1
set style fill solid 0.6 border -1
set arrow from 134.977, graph 0 to 134.977, graph 1 nohead dt 2 lc rgb "red"
set label "neutral pion 134.977 MeV" at 135.3, graph 0.95 tc rgb "red"
plot "481X2T.txt" using ($1 + 0.5):2 with boxes notitle
