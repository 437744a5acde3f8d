# Trapezoid against Simpson: the running integrals of integ.dat ("{x,\tT,\tS},"
# lines) and their difference.
set terminal pngcairo size 900,600
set output ARG1
set datafile separator ","
upper(s) = real(substr(s, 2, strlen(s)))
simpson(s) = real(substr(s, 1, strlen(s) - 1))
set multiplot layout 2,1 title "Integral of the pulse intensity from -6 to x, step 1/216"
set ylabel "integral (J/m^2)"
set key top left
set grid
unset xlabel
plot "integ.dat" using (upper(strcol(1))):2 with lines lw 2 title "trapezoid", \
     "" using (upper(strcol(1))):(simpson(strcol(3))) with lines dt 2 lw 2 title "Simpson"
set ylabel "trapezoid - Simpson (J/m^2)"
set xlabel "upper limit x (s)"
unset key
plot "integ.dat" using (upper(strcol(1))):($2 - simpson(strcol(3))) with lines lc rgb "dark-red"
unset multiplot
