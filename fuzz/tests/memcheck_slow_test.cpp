// Every program under valgrind's memcheck on the sample data, with the
// arguments and typed answers of the demo: no invalid read or write, no jump
// on an unread value. Skipped where valgrind is not installed.
//
// Under memcheck a program runs some fifty times slower. So the Monte Carlo
// decays run with fewer atoms; the three spectrum programs, whose transforms
// would take hours, run only into their missing input file (the sample series
// reader is checked on the whole Crab.dat through crab_brightness, the
// transform by the sanitizer build); and the programs whose full run would
// take minutes are watched for their first seconds only, by which time every
// part of their loop has run many times.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/program_runner.h"

// The programs are built as this test is, and valgrind cannot run a program
// built with AddressSanitizer: the sanitizer build checks them its own way.
#if defined(__SANITIZE_ADDRESS__)
#define SUITE_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SUITE_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

using Files = std::map<std::string, std::string>;

constexpr int memcheck_errors = 99;       // valgrind's exit status when it found an error
constexpr double full_run_limit_s = 150;  // a whole run that takes longer hangs
constexpr double partial_run_s = 10;      // how long a capped run is watched

struct MemcheckCase {
    std::string program;
    std::vector<std::string> args = {};
    std::vector<std::string> inputs = {};   // sample files the program reads
    std::string input = "";                 // standard input
    int status = 0;
    bool capped = false;                    // killed after partial_run_s, checked up to there
};

void PrintTo(const MemcheckCase& c, std::ostream* out)
{
    *out << c.program;
}

const std::vector<std::string> legs{"leg1.txt", "leg2.txt", "leg3.txt"};

const MemcheckCase cases[] = {
    {"crab_spectrum", {}, {}, "", 1},
    {"pulsar_spectrum", {}, {}, "", 1},
    {"phone_spectrum", {}, {}, "", 1},
    {"crab_brightness", {}, {"Crab.dat"}},
    {"sawtooth_series", {}, {}},
    {"angle_histogram", {}, {"481X2t.txt"}},
    {"quadrature", {}, {}, "", 0, true},
    {"pi_series", {}, {}, "1000"},
    {"e_series", {}, {}},
    {"rocket", {}, {}},
    {"launch_trajectory", {}, {}},
    {"swing_sim", {}, {}, "", 0, true},
    {"ode_stepper", {}, {}, "", 0, true},
    {"meson_lifetime", {"pion.dat"}, {"pion.dat"}, "", 0, true},
    {"lepton_lifetime", {"muon.dat"}, {"muon.dat"}, "", 0, true},
    {"ball_volume", {}, {}},
    {"dimension_volume", {"4", "100000"}, {}},
    {"pond_sphere", {}, {}, "", 0, true},
    {"wander_space", {}, {}},
    {"wander_plane", {}, {}},
    {"carbon_chain", {"100", "100", "100"}, {}},
    {"half_life_sim", {"100", "1000"}, {}},
    {"trip_speed_sort", {}, {"uber.tsv"}, "\n"},
    {"trip_frequency", {}, {"uber.tsv", "rides.txt"}},
    {"trip_lengths", {}, {"uber.tsv"}},
    {"cheapest_route", {}, legs},
    {"account_summary", {}, {},
     "Ada 1250.40 s\nn\nBen 480.15 c\nn\nCleo 999.99 s\nn\nDev 2200 c\nn\nEve 75 x\ny\nf\n"},
    {"fee_check", {}, {}, "c\n499.50\n"},
    {"face_banner", {}, {}},
    {"display", {}, {}, "sfxq"},
    {"chase_game", {}, {}, "wasdddsq"},
    {"make_sample_data", {"out"}, {}, "", 0, true},
};

// valgrind's absolute path, or "" when it is not on PATH.
std::string valgrind_path()
{
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        const std::string candidate = dir + "/valgrind";
        if (!dir.empty() && dir[0] == '/' && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return "";
}

// The sample data, made once per test process; rides.txt as trip_speed_sort
// leaves it, for trip_frequency.
const Files& sample_data()
{
    static Files files;
    if (files.empty()) {
        files = run_program("make_sample_data", ProgramCase{{"."}, {}, {}, "", 60}).files;
        ProgramCase sort{{}, {{"uber.tsv", files["uber.tsv"]}}, {}, "\n", 60};
        files["rides.txt"] = run_program("trip_speed_sort", sort).files["rides.txt"];
    }
    return files;
}

// valgrind's reports are the lines "==PID== ..."; the program's own messages
// never start so.
bool has_memcheck_report(const std::string& err)
{
    for (const std::string& line : split_lines(err)) {
        std::size_t digits = line.rfind("==", 0) == 0 ? line.find_first_not_of("0123456789", 2) : 0;
        if (digits > 2 && digits != std::string::npos && line.compare(digits, 2, "==") == 0)
            return true;
    }
    return false;
}

class UnderValgrind : public testing::TestWithParam<MemcheckCase> {};

TEST_P(UnderValgrind, NoMemoryError)
{
#ifdef SUITE_ADDRESS_SANITIZER
    GTEST_SKIP() << "the programs are built with AddressSanitizer";
#endif
    const MemcheckCase& c = GetParam();
    const std::string valgrind = valgrind_path();
    if (valgrind.empty())
        GTEST_SKIP() << "valgrind is not installed";

    ProgramCase run;
    run.args = {"--error-exitcode=" + std::to_string(memcheck_errors), "--leak-check=no",
                "--quiet", program_path(c.program)};
    run.args.insert(run.args.end(), c.args.begin(), c.args.end());
    for (const std::string& name : c.inputs)
        run.files[name] = sample_data().at(name);
    run.input = c.input;
    run.timeout_s = c.capped ? partial_run_s : full_run_limit_s;

    const ProgramRun result = run_program(valgrind, run);
    EXPECT_FALSE(has_memcheck_report(result.err)) << result.err.substr(0, 4000);
    if (result.timed_out) {
        EXPECT_TRUE(c.capped) << "no end within " << full_run_limit_s << " s";
        return;
    }
    EXPECT_FALSE(result.signaled) << "status " << result.status;
    EXPECT_EQ(result.status, c.status) << result.err.substr(0, 4000);
}

INSTANTIATE_TEST_SUITE_P(Memcheck, UnderValgrind, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<MemcheckCase>& info) {
                             return info.param.program;
                         });

}  // namespace
