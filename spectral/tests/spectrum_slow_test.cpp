// Full-size runs of the spectrum programs on the generated sample data.
#include <gtest/gtest.h>

#include <sstream>

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

}  // namespace
