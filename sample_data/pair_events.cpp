// 481X2t.txt: 100 neutral pions decaying to two photons, seen as the photons'
// hit positions on a detector plane and their measured energies.
#include <cmath>
#include <fstream>
#include <iomanip>

#include "common/constants.h"
#include "common/files.h"
#include "sample_data/sample_data.h"

namespace {

constexpr int pair_events = 100;
constexpr double pion_mass = 134.977;          // MeV
constexpr double pion_energy_min = 1000.0;     // MeV; the pion flies along the axis
constexpr double pion_energy_max = 4000.0;
constexpr double plane_distance = 2700.0;      // interaction point to plane
constexpr double acceptance_radius = 1500.0;   // hits further out miss the detector
constexpr double energy_resolution = 0.04;     // relative, Gaussian
constexpr double position_resolution = 0.5;    // Gaussian, units of the plane

struct Photon {
    double x, y, energy;
};

// Decays a pion moving along the axis toward the plane: isotropic in its rest
// frame, boosted along the axis, so the two photons fly off in one plane with
// the axis, on opposite sides of it. False when a photon misses the detector.
bool decay(SampleRng& rng, Photon& a, Photon& b)
{
    const double energy = pion_energy_min + (pion_energy_max - pion_energy_min) * uniform01(rng);
    const double gamma = energy / pion_mass;
    const double beta = std::sqrt(1.0 - 1.0 / (gamma * gamma));
    const double cos_rest = 2.0 * uniform01(rng) - 1.0;
    const double azimuth = two_pi * uniform01(rng);
    const double half = pion_mass / 2.0;
    const double transverse = half * std::sqrt(1.0 - cos_rest * cos_rest);
    Photon* photon[2] = {&a, &b};
    for (int k = 0; k < 2; ++k) {
        const double c = k == 0 ? cos_rest : -cos_rest;
        const double along = gamma * half * (c + beta);
        if (along <= 0.0)
            return false;
        const double radius = plane_distance * transverse / along;
        if (radius > acceptance_radius)
            return false;
        const double side = k == 0 ? 1.0 : -1.0;
        photon[k]->x = side * radius * std::cos(azimuth) + position_resolution * gaussian(rng);
        photon[k]->y = side * radius * std::sin(azimuth) + position_resolution * gaussian(rng);
        photon[k]->energy = gamma * half * (1.0 + beta * c) * (1.0 + energy_resolution * gaussian(rng));
    }
    return true;
}

}  // namespace

void write_pair_events(const std::string& dir)
{
    SampleRng rng(13497701);
    const std::string path = dir + "/481X2t.txt";
    std::ofstream out = open_output(path.c_str());
    out << std::fixed << std::setprecision(2);
    for (int i = 0; i < pair_events;) {
        Photon a, b;
        if (!decay(rng, a, b))
            continue;
        out << a.x << ' ' << a.y << ' ' << a.energy << ' ' << b.x << ' ' << b.y << ' ' << b.energy
            << '\n';
        ++i;
    }
    close_output(out, path.c_str());
}
