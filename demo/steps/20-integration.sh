# Quadrature rules side by side, and the series limits for pi and e.
section integration "Quadrature and series" \
    "quadrature integrates the intensity of a damped, chirped pressure pulse by the trapezoid and Simpson rules side by side, in single precision, for 3 to 2499 points; pi_series sums the Leibniz series 4 (1 - 1/3 + 1/5 - ...) for a typed number of terms, and e_series the series of 1/k! until a term falls below 0.1."
run_step quadrature
run_step -i "1000" pi_series
run_step e_series
estimate pi_series "pi (1000 Leibniz terms)" "$(sed -n 's/.*Value of Pi: \([-0-9.]*\).*/\1/p' pi_series.stdout)" 3.141593
estimate e_series "e (terms down to 1/4!)" "$(sed -n 's/The sum is \([-0-9.]*\).*/\1/p' e_series.stdout)" 2.718282
plot_step quadrature "Trapezoid and Simpson running integrals of the pulse intensity, and their difference"
