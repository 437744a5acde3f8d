# Equations of motion: rocket flights, the pendulum and the oscillator.
section motion "Equations of motion" \
    "Step-by-step integration of Newton's equations: rocket flights with thrust, drag and gravity by small first-order steps, the pendulum by a first-order (Euler) step beside the second-order midpoint step, and the harmonic oscillator by the midpoint step beside its closed form cos t."
run_step rocket
run_step launch_trajectory
run_step swing_sim
run_step ode_stepper
estimate swing_sim "energy at 50 s, midpoint" "$(awk 'END { print $7 }' pend.dat)" 4.509634
estimate swing_sim "energy at 50 s, first order" "$(awk 'END { print $4 }' pend.dat)" 4.509634
estimate ode_stepper "position at 50 s (m)" "$(awk 'END { print $2 }' ode_stepper.dat)" 0.9649660285
plot_step rocket_path "Rocket path over the first 10 s: launched at 45 degrees, it turns over under gravity"
plot_step launch_path "Launch trajectory with pitch programme, from lift-off to the return to the ground"
plot_step swing_angle "Pendulum angle: first-order and midpoint solutions against the small-angle closed form"
plot_step swing_energy "Pendulum energy per unit mass: first-order drift against the conserved midpoint energy"
plot_step oscillator "Harmonic oscillator: midpoint solution, closed form and their difference"
