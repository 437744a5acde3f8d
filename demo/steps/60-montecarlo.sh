# Monte Carlo estimators: ball volumes, the inscribed sphere, random walks and
# radioactive decay, all from the seeded drand48 generator.
section montecarlo "Monte Carlo estimators" \
    "Estimators that draw from the seeded drand48 generator: ball volumes in 1 to 10 dimensions by hit-or-miss sampling of the cube, the area of the sphere inscribed in a cube (from its volume fraction), random walks in space and in the plane, and radioactive decay simulated atom by atom, one draw per atom and time step."
# --standard-error=1 adds each estimate's standard error on standard error and
# leaves the output as it is.
run_step ball_volume --standard-error=1
for d in 2 3 5 10; do
    reported volume_error ball_volume "s/^ball_volume: dimension $d: standard error \([^ ]*\) of the estimate .*/\1/p" \
        "the standard error in $d dimensions"
    estimate ball_volume "unit ball volume, d=$d" \
        "$(awk -v d=$d '$1 == d { print $2 }' ball_volume.stdout)" \
        "$(awk -v d=$d '$1 == d { print $3 }' ball_volume.stdout)" "$volume_error"
done
plot_step ball_volume "Monte Carlo volumes of the unit ball in 1 to 10 dimensions against the closed form"

run_step dimension_volume --standard-error=1 4 100000
reported volume_error dimension_volume 's/^dimension_volume: standard error \([^ ]*\) of the estimate .*/\1/p' \
    "the standard error"
estimate dimension_volume "unit ball volume, d=4" \
    "$(sed 's/.*Vsphere= \([^ ]*\) .*/\1/' dimension_volume.stdout)" "4.9348 (pi^2/2)" "$volume_error"

run_step pond_sphere --standard-error=1
reported area_error pond_sphere 's/^pond_sphere: standard error \([^ ]*\) of the estimate .*/\1/p' "the standard error"
estimate pond_sphere "unit sphere area" \
    "$(sed 's/.*sphere= \([^ ]*\) .*/\1/' pond_sphere.stdout)" "12.5664 (4 pi)" "$area_error"
plot_step pond_sphere "Points of the cube inside and outside the inscribed unit sphere"

run_step wander_space
run_step wander_plane
# Mean distance after N steps of mean square 1: sqrt(8N/(3 pi)) for unit steps
# in space, sqrt(pi N)/2 in the plane.
estimate wander_space "mean distance, 1000 steps" "$(awk '$1 == 1000 { print $2 }' walk3d.dat)" \
    "$(awk 'BEGIN { printf "%g", sqrt(8 * 1000 / (3 * atan2(0, -1))) }')"
estimate wander_plane "mean distance, 1000 steps" "$(awk '$1 == 1000 { print $2 }' walk2d.dat)" \
    "$(awk 'BEGIN { printf "%g", sqrt(atan2(0, -1) * 1000) / 2 }')"
plot_step walk_distance "Mean distance of 100 random walks against the square-root law"
plot_step walk_path "The recorded walk in space and the end points of the walks in the plane"

run_step carbon_chain 10000 10000 10000
# Decays in the first mean lifetime (bins up to t = 100 for C10, 1000 for C11).
estimate carbon_chain "C10 decays by t=100" "$(awk '$1 < 100 { n += $3 } END { print n }' carbon_chain.stdout)" \
    "$(awk 'BEGIN { printf "%g", 10000 * (1 - exp(-1)) }')"
estimate carbon_chain "C11 decays by t=1000" "$(awk '$1 < 1000 { n += $2 } END { print n }' carbon_chain.stdout)" \
    "$(awk 'BEGIN { printf "%g", 10000 * (1 - exp(-1)) }')"
plot_step carbon_chain "Decays per time bin of C11 and C10 in a carbon sample"

run_step half_life_sim 10000 1000
estimate half_life_sim "atoms left at t=1000" "$(awk '$1 == 995 { print $3 }' half_life_sim.stdout)" \
    "5000 (half of 10000)"
plot_step half_life_sim "Decays and atoms left of one isotope with a half-life of 1000"
