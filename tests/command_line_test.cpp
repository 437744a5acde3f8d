// The option layer every program reads its command line with: each row a
// command line, the values it leaves or the refusal it gets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/command_line.h"

namespace {

struct Values {
    int points = 1000;
    long samples = 148282;
    double step = 0.1;
    float single_step = 1.0f / 216;
    const char* input = "Crab.dat";
};

struct Row {
    std::vector<const char*> args;
    std::string error;                       // "" when the line is taken
    std::vector<std::string> positionals = {};
};

std::string parse(const std::vector<const char*>& args, Values& v, std::vector<std::string>& positionals)
{
    const Options options = {
        {"points", &v.points, "", "grid points", between(2, 100000)},
        {"samples", &v.samples, "", "records read", count_or_all(2)},
        {"step", &v.step, "s", "time step", positive},
        {"single-step", &v.single_step, "", "step in single precision", positive},
        {"input", &v.input, "", "file read"},
    };
    std::vector<const char*> argv = {"program"};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<const char*> found;
    const std::string error = parse_command_line(static_cast<int>(argv.size()), argv.data(), options, found);
    positionals.assign(found.begin(), found.end());
    return error;
}

TEST(CommandLine, TakesOrRefusesEachLine)
{
    const Row rows[] = {
        {{}, ""},
        {{"--step", "0.01", "--points=7"}, ""},
        {{"3", "--step=0.5", "-7", "-.5", "-"}, "", {"3", "-7", "-.5", "-"}},
        {{"--", "--step", "x"}, "", {"--step", "x"}},
        {{"--step"}, "--step: a value is needed"},
        {{"--step", "abc"}, "--step: 'abc' is not a number"},
        {{"--step=-1"}, "--step: '-1' must be positive"},
        {{"--step=0"}, "--step: '0' must be positive"},
        {{"--step=inf"}, "--step: 'inf' is not a finite number"},
        {{"--step=1e999"}, "--step: '1e999' is not a finite number"},
        {{"--step= 1"}, "--step: ' 1' is not a number"},
        {{"--step=1 "}, "--step: '1 ' is not a number"},
        {{"--points=1e3"}, "--points: '1e3' is not a whole number"},
        {{"--points=three"}, "--points: 'three' is not a number"},
        {{"--points=1"}, "--points: '1' must be between 2 and 100000"},
        {{"--points=99999999999999999999"}, "--points: '99999999999999999999' must be between 2 and 100000"},
        {{"--samples=0"}, "--samples: '0' must be at least 2"},
        {{"--samples=99999999999999999999"}, "--samples: '99999999999999999999' is out of range"},
        {{"--points=2147483648"}, "--points: '2147483648' must be between 2 and 100000"},
        {{"--samples=all"}, ""},
        {{"--points=all"}, "--points: 'all' is not a number"},
        {{"--single-step=1e39"}, "--single-step: '1e39' is out of range"},
        {{"--single-step=1e-50"}, "--single-step: '1e-50' must be positive"},
        {{"--input="}, "--input: '' is not a file name"},
        {{"--input", "my signal.dat"}, ""},
        {{"--bogus=1"}, "unknown option '--bogus'"},
        {{"--ste", "1"}, "unknown option '--ste'"},
        {{"-x"}, "unknown option '-x'"},
    };
    for (const Row& row : rows) {
        Values v;
        std::vector<std::string> positionals;
        EXPECT_EQ(parse(row.args, v, positionals), row.error) << testing::PrintToString(row.args);
        if (!row.error.empty())
            continue;
        EXPECT_EQ(positionals, row.positionals) << testing::PrintToString(row.args);
    }
}

TEST(CommandLine, ValuesReadAsAConstantOfTheirKindIs)
{
    Values v;
    std::vector<std::string> positionals;
    ASSERT_EQ(parse({"--step", "0.001", "--single-step=0.00462962963", "--samples=all", "--points=12",
                     "--input=mine.dat"},
                    v, positionals),
              "");
    EXPECT_EQ(v.step, 0.001);
    EXPECT_EQ(v.single_step, 1.0f / 216);
    EXPECT_EQ(v.samples, all_records);
    EXPECT_EQ(v.points, 12);
    EXPECT_STREQ(v.input, "mine.dat");
}

TEST(CommandLine, TypedIntegersInAnyBase)
{
    long value = 0;
    EXPECT_EQ(read_number("0x1f", any_value, value, 0), "");
    EXPECT_EQ(value, 31);
    EXPECT_EQ(read_number("017", any_value, value, 0), "");
    EXPECT_EQ(value, 15);
    EXPECT_EQ(read_number("1e6", any_value, value, 0), "is not a whole number");
    EXPECT_EQ(read_number("", any_value, value, 0), "is not a number");
}

}  // namespace
