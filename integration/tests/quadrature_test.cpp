// quadrature: the first, second and last lines of integ.dat, the n = 3 line
// against the closed three-point formulas, other intervals and steps against
// a fine double-precision integral, and an output it cannot create.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

// The intensity in plain double precision, as a check on the rules' shape.
double intensity(double x)
{
    const double p = 20.0 * std::cos(x * x * x) * std::exp(-std::pow(x / 4.0, 8.0));
    return p * p / (343.0 * 1.2);
}

// The numbers of a "{x,\tT,\tS}," line.
std::vector<double> fields(const std::string& line)
{
    std::vector<double> v;
    const char* p = line.c_str() + 1;
    for (int i = 0; i < 3; ++i) {
        char* end;
        v.push_back(std::strtod(p, &end));
        p = end + 1;
    }
    return v;
}

TEST(Quadrature, WritesBothRulesLineByLine)
{
    ProgramRun run = run_program("quadrature", {});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "data stored in integ.dat\n");
    EXPECT_EQ(run.err, "");
    std::vector<std::string> lines = split_lines(run.files["integ.dat"]);
    ASSERT_EQ(lines.size(), 1249u);
    // Six digits for the very first x only; nine from then on.
    EXPECT_EQ(lines[0], "{-5.98611,\t1.56951347e-25,\t1.24490041e-25},");
    EXPECT_EQ(lines[1], "{-5.97685194,\t4.34553693e-25,\t4.82738747e-25},");
    EXPECT_EQ(lines.back(), "{5.56944466,\t3.95348191,\t3.953475},");
    for (const std::string& line : lines)
        ASSERT_EQ(line.substr(line.size() - 2), "},") << line;

    const double h = 1.0 / 216.0;
    const double f0 = intensity(-6.0), f1 = intensity(-6.0 + h), f2 = intensity(6.0);
    const std::vector<double> first = fields(lines[0]);
    EXPECT_NEAR(first[1], h / 2 * f0 + h * f1 + h / 2 * f2, 1e-5 * first[1]);
    EXPECT_NEAR(first[2], h / 3 * (f0 + 4 * f1 + f2), 1e-5 * first[2]);
}

// Simpson's rule in double on 20000 intervals: far finer than any case.
double reference_integral(double from, double to)
{
    const int intervals = 20000;
    const double h = (to - from) / intervals;
    double s = intensity(from) + intensity(to);
    for (int k = 1; k < intervals; ++k)
        s += (k % 2 != 0 ? 4 : 2) * intensity(from + k * h);
    return s * h / 3;
}

// With (to - from) / step + 1 points, an odd number, the last line is the
// composite rule over the whole interval.
TEST(Quadrature, IntegratesTheIntervalAndStepGiven)
{
    struct Case {
        const char* from;
        const char* to;
        const char* step;
        const char* points;
        size_t lines;
        const char* last_x;   // points * step + from
    };
    const Case cases[] = {
        {"0", "1", "0.01", "101", 50, "1.00999999"},
        {"-1.5", "0.5", "0.0625", "33", 16, "0.5625"},
        {"-1.5", "0.5", "0.0625", "34", 16, "0.5625"},   // the loop bound, even: n = 33 is last
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " " + c.to + " " + c.step + " " + c.points);
        ProgramCase run_case;
        run_case.args = {"--from", c.from, "--to", c.to, "--step", c.step, "--points", c.points,
                         "--output", "pulse.txt"};
        ProgramRun run = run_program("quadrature", run_case);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "data stored in pulse.txt\n");
        EXPECT_EQ(run.files.count("integ.dat"), 0u);
        const std::vector<std::string> lines = split_lines(run.files["pulse.txt"]);
        ASSERT_EQ(lines.size(), c.lines);
        const std::vector<double> last = fields(lines.back());
        EXPECT_EQ(lines.back().substr(1, lines.back().find(',') - 1), c.last_x);
        const double exact = reference_integral(std::strtod(c.from, nullptr), std::strtod(c.to, nullptr));
        EXPECT_NEAR(last[1], exact, 2e-3 * exact);   // the trapezoid rule's h^2 error
        EXPECT_NEAR(last[2], exact, 2e-5 * exact);
    }
}

}  // namespace
