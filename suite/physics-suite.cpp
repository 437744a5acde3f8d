// physics-suite: the one command an installation puts on the PATH. It runs a
// program of the suite from the suite's own folder, so that the programs'
// common names (display, rocket, quadrature) never meet another package's.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "common/errors.h"
#include "common/files.h"

#ifndef SUITE_PROGRAMS_FROM_BIN
#error "SUITE_PROGRAMS_FROM_BIN (the installed programs' folder, relative to bin) must be defined"
#endif

namespace {

struct Program {
    const char* subsystem;
    const char* name;
    const char* summary;
};

const Program programs[] = {
    {"Spectral analysis", "crab_spectrum", "power spectrum of the Crab pulsar light curve"},
    {"Spectral analysis", "pulsar_spectrum", "power spectrum of a pulsar signal"},
    {"Spectral analysis", "phone_spectrum", "amplitude spectrum of a radio carrier"},
    {"Spectral analysis", "crab_brightness", "Crab light curve folded into phase bins"},
    {"Spectral analysis", "sawtooth_series", "Fourier partial sums of a sawtooth wave and their RMS error"},
    {"Spectral analysis", "angle_histogram", "invariant mass histogram of photon pairs"},
    {"Quadrature and series", "quadrature", "trapezoid and Simpson rules side by side"},
    {"Quadrature and series", "pi_series", "pi from the Leibniz series"},
    {"Quadrature and series", "e_series", "e from the series of reciprocal factorials"},
    {"Equations of motion", "rocket", "first ten seconds of a powered rocket flight"},
    {"Equations of motion", "launch_trajectory", "rocket flight with a pitch programme, from lift-off to the ground"},
    {"Equations of motion", "swing_sim", "pendulum with a first-order and a midpoint step"},
    {"Equations of motion", "ode_stepper", "harmonic oscillator with the midpoint step"},
    {"Lifetime fitting", "meson_lifetime", "chi-square grid fit of a pion lifetime"},
    {"Lifetime fitting", "lepton_lifetime", "chi-square grid fit of a muon lifetime"},
    {"Monte Carlo estimators", "ball_volume", "volume of the unit ball in dimensions 1 to 10"},
    {"Monte Carlo estimators", "dimension_volume", "volume of the unit ball in one chosen dimension"},
    {"Monte Carlo estimators", "pond_sphere", "area of the sphere inscribed in a cube"},
    {"Monte Carlo estimators", "wander_space", "random walks in space"},
    {"Monte Carlo estimators", "wander_plane", "random walks in the plane"},
    {"Monte Carlo estimators", "carbon_chain", "decay of a mixture of carbon isotopes"},
    {"Monte Carlo estimators", "half_life_sim", "decay of one radioactive isotope"},
    {"Trips and routes", "trip_speed_sort", "mean velocity of every ride, sorted"},
    {"Trips and routes", "trip_frequency", "histograms of position fixes per hour and of ride velocities"},
    {"Trips and routes", "trip_lengths", "path length of every ride"},
    {"Trips and routes", "cheapest_route", "cheapest journey over two stops"},
    {"Accounts", "account_summary", "minimum-balance fees for several accounts, with a summary"},
    {"Accounts", "fee_check", "whether one account must be charged the minimum-balance fee"},
    {"Terminal displays and game", "chase_game", "move a token over a framed board while an attacker closes in"},
    {"Terminal displays and game", "display", "a smiley or a frowning face on a framed board, one key at a time"},
    {"Terminal displays and game", "face_banner", "a fixed five-line character face"},
    {"Sample data", "make_sample_data", "writes the input files of every program above"},
};

constexpr ProgramUsage usage{
    "PROGRAM [ARGUMENT...]",
    "Runs PROGRAM of the physics suite with the ARGUMENTs, its standard input and\n"
    "output untouched and its exit status passed on.\n"
    "  physics-suite           list the programs by subsystem, one line each\n"
    "  physics-suite --list    the same\n"
    "  physics-suite --path    print the folder that holds the programs:\n"
    "                          export PATH=\"$(physics-suite --path):$PATH\"\n"
    "                          gives every program by its own name\n"
    "Each program's own --help says what it does; its page is PROGRAM(1phys).",
    "1"};

bool is_folder(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// An installation keeps the programs in a folder of their own, found from the
// dispatcher's own place so that any installation prefix works. A build tree
// has no such folder: there the programs lie beside the dispatcher. The
// installed folder is looked at first, since the dispatcher's own folder of an
// installation (/usr/bin) may hold another package's program of the same
// name (ImageMagick's display).
std::string program_folder()
{
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n < 0)
        die("cannot find its own folder: /proc/self/exe:");
    self[n] = '\0';
    const std::string own = std::string(self, std::strrchr(self, '/'));
    const std::string installed = own + "/" SUITE_PROGRAMS_FROM_BIN;
    char real[PATH_MAX];
    if (is_folder(installed) && realpath(installed.c_str(), real) != nullptr)
        return real;
    return own;
}

void list_programs()
{
    const char* subsystem = "";
    for (const Program& p : programs) {
        if (std::strcmp(p.subsystem, subsystem) != 0) {
            std::printf("%s%s\n", *subsystem != '\0' ? "\n" : "", p.subsystem);
            subsystem = p.subsystem;
        }
        std::printf("  %-18s %s\n", p.name, p.summary);
    }
}

// --list and --path take nothing after them.
void refuse_extra(int argc, char** argv)
{
    if (argc > 2) {
        warn("unexpected argument '%s'", argv[2]);
        print_usage(usage);
        std::exit(1);
    }
}

const Program* find_program(const char* name)
{
    for (const Program& p : programs)
        if (std::strcmp(p.name, name) == 0)
            return &p;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--") == 0)
        first = 2;
    else if (argc > 1 && argv[1][0] == '-' && std::strcmp(argv[1], "--list") != 0 &&
             std::strcmp(argv[1], "--path") != 0)
        // --help, --version and unknown options; a program's own options
        // after its name are never looked at here.
        handle_options(2, argv, usage);

    if (argc == first || (first == 1 && std::strcmp(argv[1], "--list") == 0)) {
        refuse_extra(argc, argv);
        list_programs();
        check_standard_output();
        return 0;
    }
    if (first == 1 && std::strcmp(argv[1], "--path") == 0) {
        refuse_extra(argc, argv);
        std::printf("%s\n", program_folder().c_str());
        check_standard_output();
        return 0;
    }

    const char* name = argv[first];
    const Program* program = find_program(name);
    if (program == nullptr)
        die("no program '%s'; see 'physics-suite --list'", name);
    const std::string path = program_folder() + "/" + program->name;
    // The program's own name as argv[0], so that its messages name it.
    std::vector<char*> args(argv + first, argv + argc);
    args.push_back(nullptr);
    execv(path.c_str(), args.data());
    const int status = errno == ENOENT ? 127 : 126;
    warn("cannot run %s:", path.c_str());
    return status;
}
