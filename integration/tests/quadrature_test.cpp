// quadrature: the first, second and last lines of integ.dat, the n = 3 line
// against the closed three-point formulas, and an output it cannot create.
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

TEST(Quadrature, ReportsAnOutputItCannotCreate)
{
    ProgramCase c;
    c.dirs = {"integ.dat"};
    ProgramRun run = run_program("quadrature", c);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "quadrature: cannot create integ.dat: Is a directory\n");
}

}  // namespace
