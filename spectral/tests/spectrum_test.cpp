#include "spectral/spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "spectral/dft.h"
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
        int wanted;
        int expected;
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
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        Series s;
        EXPECT_EQ(read_pairs(in, c.wanted, s), c.expected) << c.text;
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
        y.push_back(std::cos(6.283185307179586 * 5.0 * t.back()));
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
        std::map<std::string, std::string> files;
        std::vector<std::string> dirs;
        const char* message;
    };
    const std::string earlier = "earlier result\n";
    const Case cases[] = {
        {"crab_spectrum", {{"fcrab.txt", earlier}}, {},
         "crab_spectrum: cannot open Crab.dat: No such file or directory\n"},
        {"pulsar_spectrum", {{"pulsar.dat", "0 1\n0.5 2\n"}, {"fpulse.txt", earlier}}, {},
         "pulsar_spectrum: pulsar.dat holds only 2 of the 100001 time-value pairs needed\n"},
        {"phone_spectrum", {{"cellphone.dat", "0 1\n1e-10 x\n"}, {"fphone.txt", earlier}}, {},
         "phone_spectrum: cellphone.dat: not a number after 1 of the 120001 time-value pairs needed\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = run_program(c.program, {{}, c.files, c.dirs, ""});
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
