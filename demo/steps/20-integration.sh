# Quadrature rules side by side, and the series limits for pi and e.
run_step quadrature
run_step -i "1000" pi_series
run_step e_series
estimate pi_series "pi (1000 Leibniz terms)" "$(sed -n 's/.*Value of Pi: \([-0-9.]*\).*/\1/p' pi_series.stdout)" 3.141593
estimate e_series "e (terms down to 1/4!)" "$(sed -n 's/The sum is \([-0-9.]*\).*/\1/p' e_series.stdout)" 2.718282
plot_step quadrature "Trapezoid and Simpson running integrals of the pulse intensity, and their difference"
