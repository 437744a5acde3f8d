// Crab.dat, pulsar.dat and cellphone.dat: sampled signals with a known
// frequency content, as time-value pairs, one pair a line.
#include <cmath>
#include <cstdio>

#include "common/constants.h"
#include "sample_data/sample_data.h"

namespace {


// Crab pulsar light curve: a sharp main pulse and a weaker interpulse a quarter
// turn later, repeating at the folding frequency, on a steady nebula background
// with photon noise. 148282 samples at 30 kHz (about 4.94 s).
constexpr int crab_samples = 148282;
constexpr double crab_rate = 30000.0;           // samples per second
constexpr double crab_frequency = 30.2452;      // pulse frequency, Hz
constexpr double crab_pulse_width = 0.05;       // Gaussian width, in turns
constexpr double crab_interpulse_phase = 0.25;  // turns after the main pulse
constexpr double crab_interpulse_ratio = 0.3;
constexpr double crab_pulse_height = 40.0;      // counts per sample at the peak
constexpr double crab_background = 100.0;       // counts per sample

// A radio pulsar: a pulse train at 47.3 Hz (about 21.1 ms period) with
// Gaussian receiver noise. 100001 samples at 2 kHz (50 s).
constexpr int pulsar_samples = 100001;
constexpr double pulsar_rate = 2000.0;
constexpr double pulsar_frequency = 47.3;
constexpr double pulsar_pulse_width = 0.04;
constexpr double pulsar_noise = 0.5;

// A mobile-phone carrier at 1.85 GHz, amplitude-modulated at 20 MHz (depth
// 0.5), with a little noise. 120001 samples at 10 GHz (12 microseconds).
constexpr int phone_samples = 120001;
constexpr double phone_rate = 1.0e10;
constexpr double phone_carrier = 1.85e9;
constexpr double phone_modulation = 2.0e7;
constexpr double phone_depth = 0.5;
constexpr double phone_noise = 0.05;

// Height of a periodic Gaussian pulse of the given width (in turns) at a phase
// in turns, centred on phase 0.
double pulse(double phase, double width)
{
    double d = phase - std::floor(phase + 0.5);
    return std::exp(-0.5 * (d / width) * (d / width));
}

void write_crab(const std::string& dir)
{
    SampleRng rng(30245201);
    std::FILE* f = create_sample_file(dir, "Crab.dat");
    for (int i = 0; i < crab_samples; ++i) {
        double t = i / crab_rate;
        double turns = crab_frequency * t;
        double rate = crab_background +
                      crab_pulse_height * (pulse(turns, crab_pulse_width) +
                                           crab_interpulse_ratio *
                                               pulse(turns - crab_interpulse_phase, crab_pulse_width));
        std::fprintf(f, "%.10g %ld\n", t, poisson(rng, rate));
    }
    close_sample_file(f, dir, "Crab.dat");
}

void write_pulsar(const std::string& dir)
{
    SampleRng rng(47300001);
    std::FILE* f = create_sample_file(dir, "pulsar.dat");
    for (int i = 0; i < pulsar_samples; ++i) {
        double t = i / pulsar_rate;
        double v = pulse(pulsar_frequency * t, pulsar_pulse_width) + pulsar_noise * gaussian(rng);
        std::fprintf(f, "%.10g %.6g\n", t, v);
    }
    close_sample_file(f, dir, "pulsar.dat");
}

void write_phone(const std::string& dir)
{
    SampleRng rng(185000001);
    std::FILE* f = create_sample_file(dir, "cellphone.dat");
    for (int i = 0; i < phone_samples; ++i) {
        double t = i / phone_rate;
        double envelope = 1.0 + phone_depth * std::cos(two_pi * phone_modulation * t);
        double v = envelope * std::cos(two_pi * phone_carrier * t) + phone_noise * gaussian(rng);
        std::fprintf(f, "%.10g %.6g\n", t, v);
    }
    close_sample_file(f, dir, "cellphone.dat");
}

}  // namespace

void write_spectral_samples(const std::string& dir)
{
    write_crab(dir);
    write_pulsar(dir);
    write_phone(dir);
}
