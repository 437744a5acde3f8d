# Trip records: velocities (sorted after the Enter key), histograms, path
# lengths, and the cheapest route over the leg files.
section trips "Trip and route data" \
    "The trip programs read a day of position fixes (uber.tsv): each ride's mean velocity and path length, histograms of fixes per hour and of rides per velocity band; cheapest_route adds up the fares of every connected route over three legs and reports the cheapest."
# The velocities get a name of their own: trip_lengths writes its distance
# list under the default name rides.txt.
run_step -i $'\n' trip_speed_sort --rides=velocities.txt
run_step trip_frequency --rides=velocities.txt
run_step trip_lengths
run_step cheapest_route
# The totals are printed cheapest first.
estimate cheapest_route "cheapest total fare" "$(sed -n '1s/^Cost of shortest travel: //p' cheapest_route.stdout)" 562
estimate cheapest_route "stops of the cheapest route" \
    "$(sed -n 's/^Shortest distance: [^ ]* to \([^ ]*\) to \([^ ]*\) to .*/\1 and \2/p' cheapest_route.stdout)" \
    "denver and chicago"
plot_step ride_velocities "Mean velocity of every ride, sorted (trip_speed_sort)"
plot_step hour_histogram "Position fixes per hour of the day (trip_frequency)"
plot_step velocity_histogram "Rides per velocity band (trip_frequency)"
plot_step ride_lengths "Distribution of ride path lengths (trip_lengths)"
