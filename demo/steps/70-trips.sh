# Trip records: velocities (sorted after the Enter key), histograms, path
# lengths, and the cheapest route over the leg files.
section trips "Trip and route data" \
    "The trip programs read a day of position fixes (uber.tsv): each ride's mean velocity and path length, histograms of fixes per hour and of rides per velocity band; cheapest_route adds up the fares of every connected route over three legs and reports the cheapest."
run_step -i $'\n' trip_speed_sort
# trip_lengths writes its distance list under the same name rides.txt.
cp rides.txt velocities.txt
run_step trip_frequency
run_step trip_lengths
run_step cheapest_route
plot_step ride_velocities "Mean velocity of every ride, sorted (trip_speed_sort)"
plot_step hour_histogram "Position fixes per hour of the day (trip_frequency)"
plot_step velocity_histogram "Rides per velocity band (trip_frequency)"
plot_step ride_lengths "Distribution of ride path lengths (trip_lengths)"
