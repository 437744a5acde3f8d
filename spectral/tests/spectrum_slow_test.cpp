// Full-size runs of the spectrum programs on the generated sample data.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

#include "common/constants.h"
#include "spectral/transform/dft.h"
#include "spectral/spectrum.h"
#include "tests/program_runner.h"

namespace {

const std::map<std::string, std::string>& sample_files()
{
    static const std::map<std::string, std::string> files =
        run_program("make_sample_data", {{"."}, {}, {}, ""}).files;
    return files;
}

struct Line {
    double f, re, im, fourth;
};

std::vector<Line> parse(const std::string& text)
{
    std::vector<Line> lines;
    std::istringstream in(text);
    for (Line l; in >> l.f >> l.re >> l.im >> l.fourth;)
        lines.push_back(l);
    return lines;
}

// Frequency of the largest fourth column.
double strongest(const std::vector<Line>& lines)
{
    Line best = lines.front();
    for (const Line& l : lines)
        if (l.fourth > best.fourth)
            best = l;
    return best.f;
}

TEST(SpectrumProgramsFullSize, CrabFindsThePulseFrequency)
{
    const ProgramRun run = run_program("crab_spectrum", {{}, {{"Crab.dat", sample_files().at("Crab.dat")}}, {}, ""});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = parse(run.files.at("fcrab.txt"));
    ASSERT_EQ(lines.size(), 9990u);
    EXPECT_EQ(count_lines(run.files.at("fcrab.txt")), 9990u);
    EXPECT_EQ(strongest(lines), 30.2);
    const auto out = split_lines(run.out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[1].substr(out[1].find('\t')), "\t30.2");
    EXPECT_EQ(run.out.back(), '2');   // no newline after the peak line
}

TEST(SpectrumProgramsFullSize, PulsarFindsTheFundamentalAndIgnoresExtraData)
{
    const std::string data = sample_files().at("pulsar.dat");
    const ProgramRun run = run_program("pulsar_spectrum", {{}, {{"pulsar.dat", data}}, {}, ""});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const auto lines = parse(run.files.at("fpulse.txt"));
    ASSERT_EQ(lines.size(), 3300u);
    EXPECT_EQ(strongest(lines), 47.3);

    const ProgramRun extra =
        run_program("pulsar_spectrum", {{}, {{"pulsar.dat", data + "50.0005 12\nnot data\n"}}, {}, ""});
    EXPECT_EQ(extra.status, 0);
    EXPECT_EQ(extra.files.at("fpulse.txt"), run.files.at("fpulse.txt"));
}

TEST(SpectrumProgramsFullSize, PhoneFindsTheCarrier)
{
    const ProgramRun run =
        run_program("phone_spectrum", {{}, {{"cellphone.dat", sample_files().at("cellphone.dat")}}, {}, ""});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1e-10\t1.2e-05\n");
    const auto lines = parse(run.files.at("fphone.txt"));
    ASSERT_EQ(lines.size(), 3600u);
    EXPECT_EQ(strongest(lines), 1.85e9);
    EXPECT_EQ(split_lines(run.files.at("fphone.txt")).back().substr(0, 10), "3.999e+09\t");
}

TEST(SpectrumProgramsFullSize, ToneOnAFineGridIsTheScalarLoopsSpectrum)
{
    // 5000 samples at 2500 per second of a tone at 123.4, every frequency of
    // the 0.05 grid from 1: it crosses ten binades, and its sum falls short of
    // the limit, so the last line is 999.99999999963825, written as 1000.
    std::string tone;
    char line[64];
    for (int i = 0; i < 5000; ++i) {
        const double t = i / 2500.0;
        std::snprintf(line, sizeof line, "%.17g %.17g\n", t, std::sin(two_pi * 123.4 * t));
        tone += line;
    }
    const ProgramRun run = run_program(
        "crab_spectrum", {{"--input", "tone.dat", "--samples", "all", "--step", "0.05"}, {{"tone.dat", tone}}, {}, ""});
    ASSERT_EQ(run.status, 0) << run.err;

    std::istringstream in(tone);
    Series s;
    ASSERT_EQ(read_pairs(in, all_records, s), 5000);
    std::ostringstream reference, console;
    console << remove_mean(s.y) << "\n";
    Peak peak{-100.0, 30.0};
    use_dft_path("scalar");
    write_spectrum(reference, s, {1.0, 1000.0, 0.05}, FourthColumn::log_power, &peak);
    console << peak.log_power << '\t' << peak.frequency;
    EXPECT_EQ(count_lines(reference.str()), 19981u);
    EXPECT_EQ(run.files.at("fcrab.txt"), reference.str());
    EXPECT_EQ(run.out, console.str());
    EXPECT_EQ(run.out.substr(run.out.find('\t')), "\t123.4");
    // The same from every vector path this processor has, not only the one
    // the program chose.
    for (const char* path : {"avx2", "avx512"}) {
        if (!use_dft_path(path))
            continue;
        std::ostringstream out;
        Peak vector_peak{-100.0, 30.0};
        write_spectrum(out, s, {1.0, 1000.0, 0.05}, FourthColumn::log_power, &vector_peak);
        EXPECT_EQ(out.str(), reference.str()) << path;
        EXPECT_EQ(vector_peak.frequency, peak.frequency) << path;
        EXPECT_EQ(vector_peak.log_power, peak.log_power) << path;
    }
    use_dft_path("scalar");
}

TEST(SpectrumProgramsFullSize, EverySampleOfAMultiMillionSampleFileIsRead)
{
    // Only the last of 2000001 samples is not zero: at f = 0 it alone gives
    // (2/T) 1e6 dt = 1 with T = 2e6 and dt = 1.
    std::string series;
    series.reserve(32 << 20);
    char line[48];
    for (int i = 0; i < 2000000; ++i) {
        std::snprintf(line, sizeof line, "%d 0\n", i);
        series += line;
    }
    series += "2000000 1000000\n";
    ProgramCase c{{"--samples", "all", "--from", "0", "--to", "0.5"}, {{"cellphone.dat", series}}, {}, ""};
    c.timeout_s = 60;
    const ProgramRun run = run_program("phone_spectrum", c);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1\t2e+06\n");
    EXPECT_EQ(run.files.at("fphone.txt"), "0\t1\t0\t1\n");
}

}  // namespace
