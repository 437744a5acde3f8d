#include "common/constants.h"
#include "spectral/spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "spectral/transform/dft.h"
#include "tests/program_runner.h"

namespace {

Series make_series(std::vector<double> t, std::vector<double> y)
{
    return Series{std::move(t), std::move(y)};
}

TEST(ReadPairs, AnyWhiteSpaceSeparatesNumbers)
{
    struct Case {
        const char* text;
        long wanted;
        long expected;
    };
    const Case cases[] = {
        {"0 1\n1 2\n2 3\n", 3, 3},
        {"0 1\r\n1 2\r\n2 3\r\n", 3, 3},      // CRLF line ends
        {"0 1 1 2\n2\t3", 3, 3},              // several pairs a line, no final newline
        {"0 1\n1 2\n2 3\n3 4\n", 3, 3},       // extra pairs are not read
        {"0 1\n1 2\n", 3, 2},                 // short
        {"0 1\n1 2\n2", 3, 2},                // a half pair is not a pair
        {"0 1\n1 nan\n2 3\n", 3, 1},          // not a number
        {"0 1\n1 n/a\n2 3\n", 3, 1},
        {"", 3, 0},
        {"0 1\n1 2\n2 3\n3 4\n \n", all_records, 4},
        {"0 1\n1 2\n2", all_records, 2},
        {"0 1\n1 x\n2 3\n", all_records, 1},
        {"", all_records, 0},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        Series s;
        EXPECT_EQ(read_pairs(in, c.wanted, s), c.expected) << c.text;
        // A fixed count fills the arrays; all of them holds what was read.
        const size_t size = c.wanted == all_records ? c.expected : c.wanted;
        EXPECT_EQ(s.t.size(), size) << c.text;
        EXPECT_EQ(s.y.size(), size) << c.text;
    }
}

// The bits of every time and value, to compare series exactly.
std::vector<uint64_t> bits(const Series& s)
{
    std::vector<uint64_t> out;
    for (const std::vector<double>* v : {&s.t, &s.y})
        for (double x : *v) {
            uint64_t b;
            std::memcpy(&b, &x, sizeof b);
            out.push_back(b);
        }
    return out;
}

// The text read by formatted extraction alone.
Series stream_pairs(const std::string& text, long n)
{
    std::istringstream in(text);
    Series s;
    read_pairs(in, n, s);
    return s;
}

// The text read as the programs read their input: from a file, by read_series.
Series file_pairs(const std::string& text, long n)
{
    char folder[] = "/tmp/spectrum_test_XXXXXX";
    if (!mkdtemp(folder))
        ADD_FAILURE() << "no temporary folder";
    const std::string path = std::string(folder) + "/series";
    std::ofstream(path, std::ios::binary) << text;
    Series s = read_series(path.c_str(), n, 1);
    std::filesystem::remove_all(folder);
    return s;
}

TEST(ReadSeries, ReadsAFileAsFormattedExtractionDoes)
{
    // What the stream gives, every bit of every pair, or how crab_spectrum
    // reports what it could not read; plain numbers are parsed directly and
    // anything else is left to the stream.
    struct Case {
        std::string text;
        long samples;
        const char* message;
    };
    const Case cases[] = {
        {"4.942733333 117\n4.942766667 -0\n", all_records, ""},
        {"0 1\r\n1 2\r\n", all_records, ""},
        {"0\t1\v1\f2\r3 4 \n", all_records, ""},
        {"0 1\n1 2\n \t\n\n  \r\n", all_records, ""},    // blanks at the end
        {"0 1\n+1 +2\n3 4\n", all_records, ""},         // '+' is the stream's
        {".5 5.\n1e5 1E+05\n-.5e-3 -0e999\n", all_records, ""},
        {"0 1\n1e-310 2\n", all_records, ""},            // subnormal
        {"0 1\n1e-400 2\n", all_records, ""},            // underflow to 0
        {"1-2 3 4\n", all_records, ""},                   // a '-' ends a number
        {"0 1" + std::string(100000, ' ') + "1 2\n", all_records, ""},   // a blank run over a chunk
        {"0 1\n1 2\n2 3", 3, ""},                        // no final newline
        {"0 1\n1 2\n2 x\n", 2, ""},                      // what is not wanted is not read
        {"0 1\n1 2\n2 3", all_records,
         "crab_spectrum: in.dat ends inside a record, after 3 whole time-value pairs\n"},
        {"0 1\n1 2\n3", all_records,
         "crab_spectrum: in.dat ends inside a record, after 2 whole time-value pairs\n"},
        {"0 1\n1.5.3 2\n", all_records,                 // 1.5 .3, then half a pair
         "crab_spectrum: in.dat ends inside a record, after 2 whole time-value pairs\n"},
        {"", all_records, "crab_spectrum: in.dat holds only 0 of the 2 time-value pairs needed\n"},
        {"0 1\n1 2\n", 3, "crab_spectrum: in.dat holds only 2 of the 3 time-value pairs needed\n"},
        {"0 1\n1e400 2\n", all_records, "crab_spectrum: in.dat: not a number after 1 time-value pairs\n"},
        {"0 1\n0x1p3 2\n", all_records, "crab_spectrum: in.dat: not a number after 1 time-value pairs\n"},
        {"0 1\ninf 2\n", all_records, "crab_spectrum: in.dat: not a number after 1 time-value pairs\n"},
        {"0 1\n1 nan\n", 3, "crab_spectrum: in.dat: not a number after 1 of the 3 time-value pairs needed\n"},
        {"0 1\n1.5abc 2\n", all_records, "crab_spectrum: in.dat: not a number after 1 time-value pairs\n"},
        {"0 1\n1e 2\n", all_records, "crab_spectrum: in.dat: not a number after 1 time-value pairs\n"},
        {"0 1\n- 2\n", all_records, "crab_spectrum: in.dat: not a number after 1 time-value pairs\n"},
        {"0 1\n--1 2\n", all_records, "crab_spectrum: in.dat: not a number after 1 time-value pairs\n"},
    };
    for (const Case& c : cases) {
        const std::string what = testing::PrintToString(c.text.substr(0, 40));
        if (*c.message == '\0') {
            const Series stream = stream_pairs(c.text, c.samples);
            ASSERT_FALSE(stream.t.empty()) << what;
            EXPECT_EQ(bits(file_pairs(c.text, c.samples)), bits(stream)) << what;
            continue;
        }
        const std::string samples = c.samples == all_records ? "all" : std::to_string(c.samples);
        const ProgramRun run = run_program(
            "crab_spectrum", {{"--input", "in.dat", "--samples", samples, "--from", "0", "--to", "0.5", "--step", "1"},
                              {{"in.dat", c.text}}, {}, ""});
        EXPECT_EQ(run.status, 1) << what;
        EXPECT_EQ(run.err, c.message) << what;
    }
}

TEST(RemoveMean, SubtractsTheMeanOfTheValues)
{
    std::vector<double> y{1.0, 2.0, 6.0};
    EXPECT_EQ(remove_mean(y), 3.0);
    EXPECT_EQ(y, (std::vector<double>{-2.0, -1.0, 3.0}));
}

TEST(WriteSpectrum, ConstantSeriesHasNoPowerAndLeavesThePeakAtItsStart)
{
    Series s = make_series({0.0, 0.5, 1.0, 1.5}, {7.0, 7.0, 7.0, 7.0});
    remove_mean(s.y);
    std::ostringstream out;
    Peak peak{-100.0, 30.0};
    write_spectrum(out, s, {1.0, 1.25, 0.1}, FourthColumn::log_power, &peak);
    EXPECT_EQ(out.str(), "1\t0\t0\t-inf\n1.1\t0\t0\t-inf\n1.2\t0\t0\t-inf\n");
    EXPECT_EQ(peak.log_power, -100.0);
    EXPECT_EQ(peak.frequency, 30.0);
}

TEST(WriteSpectrum, ConstantOffsetShowsWhenTheMeanIsKept)
{
    // Two samples one unit apart: T = 1, the coefficient at f = 0 is 2 * sum * dt.
    Series s = make_series({0.0, 1.0}, {3.0, 3.0});
    std::ostringstream out;
    write_spectrum(out, s, {0.0, 0.5, 1.0}, FourthColumn::amplitude);
    EXPECT_EQ(out.str(), "0\t12\t0\t12\n");
}

TEST(WriteSpectrum, PureToneGivesUnitCoefficientAtItsFrequency)
{
    std::vector<double> t, y;
    for (int i = 0; i <= 1000; ++i) {
        t.push_back(i / 1000.0);
        y.push_back(std::cos(two_pi * 5.0 * t.back()));
    }
    std::ostringstream out;
    Peak peak{-100.0, 30.0};
    write_spectrum(out, make_series(t, y), {5.0, 5.5, 1.0}, FourthColumn::amplitude, &peak);
    EXPECT_EQ(peak.frequency, 5.0);   // a single raise of the peak moves it
    std::istringstream line(out.str());
    double f, re, im, amplitude;
    line >> f >> re >> im >> amplitude;
    // 1001 samples over ten whole periods: the closing sample adds 1/500.
    EXPECT_EQ(f, 5.0);
    EXPECT_EQ(re, 1.002);
    EXPECT_NEAR(im, 0.0, 1e-9);
    EXPECT_EQ(amplitude, 1.002);
}

TEST(WriteSpectrum, LastOfEqualMaximaTakesThePeak)
{
    // Powers at -f and +f are equal to the last bit: the later one wins.
    const Series s = make_series({0.0, 0.1, 0.2, 0.3, 0.4}, {1.0, -2.0, 0.5, 3.0, -1.0});
    std::ostringstream out;
    Peak peak{-100.0, 30.0};
    write_spectrum(out, s, {-2.5, 2.6, 0.5}, FourthColumn::log_power, &peak);
    const auto lines = split_lines(out.str());
    ASSERT_EQ(lines.size(), 11u);
    double best = -100.0, best_f = 30.0;
    for (const auto& l : lines) {
        std::istringstream in(l);
        double f, re, im, log_power;
        in >> f >> re >> im >> log_power;
        if (log_power >= best) {
            best = log_power;
            best_f = f;
        }
    }
    EXPECT_GT(best_f, 0.0);
    EXPECT_EQ(peak.frequency, best_f);
}

TEST(WriteSpectrum, FrequencyIsAccumulatedByAddition)
{
    // The programs' grids. The crab grid's last frequency is 999.9000000001588;
    // the phone grid lands exactly on its limit, which is left out.
    const struct {
        FrequencyGrid grid;
        size_t lines;
        const char* first;
        const char* last;
    } cases[] = {
        {{1.0, 1000.0, 0.1}, 9990, "1\t", "999.9\t"},
        {{20.0, 350.0, 0.1}, 3300, "20\t", "349.9\t"},
        {{400000000.0, 4000000000.0, 1000000.0}, 3600, "4e+08\t", "3.999e+09\t"},
    };
    const Series s = make_series({0.0, 1.0}, {1.0, 1.0});
    for (const auto& c : cases) {
        std::ostringstream out;
        write_spectrum(out, s, c.grid, FourthColumn::log_power);
        const auto lines = split_lines(out.str());
        ASSERT_EQ(lines.size(), c.lines) << c.first;
        EXPECT_EQ(lines.front().substr(0, std::string(c.first).size()), c.first);
        EXPECT_EQ(lines.back().substr(0, std::string(c.last).size()), c.last);
    }
}

TEST(SampleData, SignalsPeakAtTheirPlantedFrequencies)
{
    const auto files = run_program("make_sample_data", {{"."}, {}, {}, ""}).files;
    const struct {
        const char* name;
        int samples;
        FrequencyGrid grid;
        double peak;
    } cases[] = {
        {"Crab.dat", 148282, {30.0, 30.45, 0.1}, 30.2},   // pulses at 30.2452
        {"pulsar.dat", 100001, {47.0, 47.65, 0.1}, 47.3},
        {"cellphone.dat", 120001, {1.83e9, 1.875e9, 1e7}, 1.85e9},   // sidebands at 1.83 and 1.87 GHz
    };
    for (const auto& c : cases) {
        std::istringstream in(files.at(c.name));
        Series s;
        ASSERT_EQ(read_pairs(in, c.samples, s), c.samples) << c.name;
        // The file holds these pairs and no more; read from it, every bit is the stream's.
        EXPECT_EQ(bits(file_pairs(files.at(c.name), all_records)), bits(s)) << c.name;
        remove_mean(s.y);
        std::ostringstream out;
        Peak peak{-100.0, 0.0};
        write_spectrum(out, s, c.grid, FourthColumn::log_power, &peak);
        EXPECT_NEAR(peak.frequency, c.peak, 1e-9 * c.peak) << c.name;
    }
}

TEST(SpectrumPrograms, BadInputIsReportedAndEarlierOutputSurvives)
{
    struct Case {
        const char* program;
        std::vector<std::string> args;
        std::map<std::string, std::string> files;
        std::vector<std::string> dirs;
        const char* message;
    };
    const std::string earlier = "earlier result\n";
    const std::vector<std::string> all = {"--samples", "all"};
    const Case cases[] = {
        {"crab_spectrum", {}, {{"fcrab.txt", earlier}}, {},
         "crab_spectrum: cannot open Crab.dat: No such file or directory\n"},
        {"pulsar_spectrum", {}, {{"pulsar.dat", "0 1\n0.5 2\n"}, {"fpulse.txt", earlier}}, {},
         "pulsar_spectrum: pulsar.dat holds only 2 of the 100001 time-value pairs needed\n"},
        {"phone_spectrum", {}, {{"cellphone.dat", "0 1\n1e-10 x\n"}, {"fphone.txt", earlier}}, {},
         "phone_spectrum: cellphone.dat: not a number after 1 of the 120001 time-value pairs needed\n"},
        // Every pair of the file: it must end after a whole pair, and hold two.
        {"crab_spectrum", all, {{"Crab.dat", "0 1\n"}, {"fcrab.txt", earlier}}, {},
         "crab_spectrum: Crab.dat holds only 1 of the 2 time-value pairs needed\n"},
        {"pulsar_spectrum", all, {{"pulsar.dat", "0 1\n0.5 2\n1"}, {"fpulse.txt", earlier}}, {},
         "pulsar_spectrum: pulsar.dat ends inside a record, after 2 whole time-value pairs\n"},
        {"phone_spectrum", all, {{"cellphone.dat", "0 1\n1 2\n2 3\n3 x\n"}, {"fphone.txt", earlier}}, {},
         "phone_spectrum: cellphone.dat: not a number after 3 time-value pairs\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = run_program(c.program, {c.args, c.files, c.dirs, ""});
        EXPECT_EQ(run.status, 1) << c.program;
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(run.out, "");
        for (const auto& [name, text] : c.files)
            EXPECT_EQ(run.files.at(name), text) << c.program << " " << name;
    }
}

TEST(SpectrumPrograms, PulsarRemovesTheMeanOfAConstantSeries)
{
    // Nothing is left once the mean is taken away: no power at any frequency.
    // A whole run of the program: seconds with the scalar transform alone (a
    // processor without the vector paths), minutes under an emulator.
    if (std::string(dft_path_name()) == "scalar")
        GTEST_SKIP() << "the full pulsar grid by the scalar transform is a slow run";
    std::string series;
    for (int i = 0; i < 100001; ++i)
        series += std::to_string(i * 0.0005) + " 3\n";
    const ProgramRun run = run_program("pulsar_spectrum", {{}, {{"pulsar.dat", series}}, {}, ""});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = split_lines(run.files.at("fpulse.txt"));
    ASSERT_EQ(lines.size(), 3300u);
    for (const auto& line : lines)
        ASSERT_EQ(line.substr(line.find('\t')), "\t0\t0\t-inf") << line;
}

// n samples of a unit sine at frequency g, sampled at `rate` from t = 0, as
// time-value pairs.
std::string sine_file(int n, double rate, double g)
{
    std::string text;
    char line[64];
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        std::snprintf(line, sizeof line, "%.17g %.17g\n", t, std::sin(two_pi * g * t));
        text += line;
    }
    return text;
}

// What crab_spectrum prints and writes for the text on the grid, by the
// scalar transform alone.
std::pair<std::string, std::string> scalar_crab_run(const std::string& text, long n, FrequencyGrid grid)
{
    std::istringstream in(text);
    Series s;
    read_pairs(in, n, s);
    std::ostringstream out, console;
    console << remove_mean(s.y) << "\n";
    Peak peak{-100.0, 30.0};
    const std::string path = dft_path_name();
    use_dft_path("scalar");
    write_spectrum(out, s, grid, FourthColumn::log_power, &peak);
    use_dft_path(path.c_str());
    console << peak.log_power << '\t' << peak.frequency;
    return {console.str(), out.str()};
}

TEST(SpectrumPrograms, AUsersOwnSeriesAndGrid)
{
    // 5000 samples at 2500 per second of a tone at 123.4, on a 0.05 grid.
    const std::string tone = sine_file(5000, 2500.0, 123.4);
    const std::vector<std::string> grid = {"--from", "100", "--to", "150", "--step", "0.05"};
    const auto [console, spectrum] = scalar_crab_run(tone, all_records, {100.0, 150.0, 0.05});
    ASSERT_EQ(console.substr(console.find('\t')), "\t123.4");
    auto args = [&](std::vector<std::string> a) {
        a.insert(a.end(), grid.begin(), grid.end());
        return a;
    };
    const struct {
        std::vector<std::string> args;
        const char* file;
        int status;
        std::string err;
    } cases[] = {
        {args({}), "Crab.dat", 1, "crab_spectrum: Crab.dat holds only 5000 of the 148282 time-value pairs needed\n"},
        {args({"--samples", "all"}), "Crab.dat", 0, ""},
        {args({"--samples", "5000"}), "Crab.dat", 0, ""},
        {args({"mysignal.dat"}), "mysignal.dat", 1,
         "crab_spectrum: unexpected argument 'mysignal.dat'\nusage: crab_spectrum\n"},
        {args({"--input", "mysignal.dat", "--samples", "all", "--output", "tone.txt"}), "mysignal.dat", 0, ""},
    };
    for (const auto& c : cases) {
        const ProgramRun run = run_program("crab_spectrum", {c.args, {{c.file, tone}}, {}, ""});
        const std::string what = testing::PrintToString(c.args);
        EXPECT_EQ(run.status, c.status) << what;
        EXPECT_EQ(run.err, c.err) << what;
        if (c.status != 0)
            continue;
        EXPECT_EQ(run.out, console) << what;
        const std::string output = run.files.count("tone.txt") ? "tone.txt" : "fcrab.txt";
        EXPECT_EQ(run.files.size(), 2u) << what;
        EXPECT_EQ(run.files.at(output), spectrum) << what;
    }
}

TEST(SpectrumPrograms, ToneBetweenTheDefaultStepsIsFoundOnAFinerGrid)
{
    // A unit sine at 50.05 in 100 s of data: its line is 0.01 wide, so the
    // 0.1 grid passes it by and the 0.05 grid meets it.
    const std::string sine = sine_file(12501, 125.0, 50.05);
    for (const char* step : {"0.05", "0.1"}) {
        const ProgramRun run = run_program(
            "crab_spectrum",
            {{"--input", "sine.dat", "--samples", "all", "--from", "40", "--to", "60", "--step", step},
             {{"sine.dat", sine}}, {}, ""});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string peak = run.out.substr(run.out.find('\t') + 1);
        EXPECT_EQ(peak == "50.05", std::string(step) == "0.05") << step << ": " << peak;
    }
}

TEST(SpectrumPrograms, PhoneAndPulsarTakeTheUsersNamesAndCount)
{
    // Three samples of 3, half a unit apart: the mean is kept, so at f = 0
    // the coefficient is (2/T) times 3 * 3 * 0.5 = 9.
    const std::string series = "0 3\n0.5 3\n1 3\n";
    const ProgramRun phone = run_program(
        "phone_spectrum",
        {{"--input=mine.dat", "--output=mine.txt", "--samples=all", "--from=0", "--to=0.5", "--step=1"},
         {{"mine.dat", series}}, {}, ""});
    EXPECT_EQ(phone.status, 0) << phone.err;
    EXPECT_EQ(phone.out, "0.5\t1\n");
    EXPECT_EQ(phone.files.size(), 2u);
    EXPECT_EQ(phone.files.at("mine.txt"), "0\t9\t0\t9\n");
    // pulsar removes the mean of the two pairs read: nothing is left.
    const ProgramRun pulsar = run_program(
        "pulsar_spectrum", {{"--samples", "2", "--from", "-1", "--to", "1", "--step", "0.5"},
                            {{"pulsar.dat", series + "x"}}, {}, ""});
    EXPECT_EQ(pulsar.status, 0) << pulsar.err;
    EXPECT_EQ(pulsar.files.at("fpulse.txt"), "-1\t0\t0\t-inf\n-0.5\t0\t0\t-inf\n0\t0\t0\t-inf\n0.5\t0\t0\t-inf\n");
}

TEST(SpectrumPrograms, OutputThatCannotBeCreatedIsReported)
{
    std::string series;
    for (int i = 0; i < 120001; ++i)
        series += std::to_string(i) + "e-10 1\n";
    const ProgramRun run = run_program("phone_spectrum", {{}, {{"cellphone.dat", series}}, {"fphone.txt"}, ""});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "phone_spectrum: cannot create fphone.txt: Is a directory\n");
}

}  // namespace
