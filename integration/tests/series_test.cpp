// pi_series and e_series: the console lines for the stated term counts, the
// "%i" bases, typed answers that give no usable count, and other tolerances.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

#include "integration/term_count.h"
#include "tests/program_runner.h"

namespace {

const std::string prompt = "Enter the number of terms in the Leibniz Series: ";

std::string answer(const char* pi, const char* error)
{
    return prompt + "Value of Pi: " + pi + " \nFractional error: " + error + " \n";
}

ProgramRun pi_series(const std::string& typed)
{
    ProgramCase c;
    c.input = typed;
    return run_program("pi_series", c);
}

TEST(PiSeries, SumsTheTypedNumberOfTerms)
{
    struct Case {
        const char* typed;
        std::string out;
    };
    const Case cases[] = {
        {"0\n", answer("0.000000", "1.000000")},
        {"1\n", answer("4.000000", "-0.273240")},
        {"2\n", answer("2.666667", "0.151174")},
        {"-7\n", answer("4.000000", "-0.273240")},       // the loop does not run
        {"010\n", answer("3.017072", "0.039636")},       // octal: 8 terms
        {"8\n", answer("3.017072", "0.039636")},
        {"0x10\n", answer("3.079153", "0.019875")},      // hexadecimal: 16 terms
        {"16\n", answer("3.079153", "0.019875")},
        {"\n  1000 \t\n", answer("3.140593", "0.000318")},   // blanks around the number
        {"1001", answer("3.142592", "-0.000318")},            // no line end
        {"5\nten\n", answer("3.339683", "-0.063054")},        // only the first line is the answer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ProgramRun run = pi_series(c.typed);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
    }
}

TEST(PiSeries, RefusesAnswersWithoutAUsableCount)
{
    struct Case {
        const char* typed;
        std::string err;
    };
    const Case cases[] = {
        {"", "pi_series: no number of terms given\n"},
        {"ten\n", "pi_series: not a number of terms: ten\n"},
        {"-\n", "pi_series: not a number of terms: -\n"},
        // Once read as the number their first digits make.
        {"1e6\n", "pi_series: not a number of terms: 1e6\n"},
        {"  1000 terms\n", "pi_series: not a number of terms: 1000 terms\n"},
        {"09\n", "pi_series: not a number of terms: 09\n"},
        {"12.5\n", "pi_series: not a number of terms: 12.5\n"},
        {"2147483648\n", "pi_series: number of terms out of range: 2147483648\n"},
        {"99999999999999999999\n", "pi_series: number of terms out of range: 99999999999999999999\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ProgramRun run = pi_series(c.typed);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, prompt);
        EXPECT_EQ(run.err, c.err);
    }
}

TEST(PiSeries, TermCountReadsTheWholeAnswerInCNotation)
{
    struct Case {
        std::string text;
        TermCountStatus status;
        int value;
    };
    const Case cases[] = {
        {"017", TermCountStatus::ok, 15},
        {"0X1f", TermCountStatus::ok, 31},
        {"-0x10", TermCountStatus::ok, -16},
        {"09", TermCountStatus::not_a_number, 0},   // not octal
        {"0x", TermCountStatus::not_a_number, 0},
        {"+12abc", TermCountStatus::not_a_number, 0},
        {"+12 \r\n", TermCountStatus::ok, 12},
        {std::string("12\0" "3", 4), TermCountStatus::not_a_number, 0},
        {"2147483647", TermCountStatus::ok, 2147483647},
        {"-2147483648", TermCountStatus::ok, -2147483647 - 1},
        {"-2147483649", TermCountStatus::out_of_range, 0},
        {"x12", TermCountStatus::not_a_number, 0},
        {" \n\t", TermCountStatus::end_of_input, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::istringstream in(c.text);
        const TermCount count = read_term_count(in);
        EXPECT_EQ(count.status, c.status);
        if (c.status == TermCountStatus::ok) {
            EXPECT_EQ(count.value, c.value);
        }
    }
}

TEST(ESeries, PrintsTheFixedSum)
{
    ProgramRun run = run_program("e_series", {});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "The sum is 2.708333 \n");
    EXPECT_EQ(run.err, "");
}

// The terms after the first one below the tolerance add up to less than it,
// so the sum falls short of e by less than the tolerance; the tiniest one
// still ends once the terms no longer change the sum.
TEST(ESeries, ComesWithinTheToleranceOfE)
{
    struct Case {
        const char* tolerance;
        const char* sum;
    };
    const Case cases[] = {
        {"0.5", "2.666667"},   // 1 + 1 + 1/2 + 1/6
        {"0.1", "2.708333"},
        {"1e-6", "2.718282"},
        {"1e-300", "2.718282"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tolerance);
        ProgramCase run_case;
        run_case.args = {"--tolerance", c.tolerance};
        run_case.timeout_s = 10;
        ProgramRun run = run_program("e_series", run_case);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, std::string("The sum is ") + c.sum + " \n");
        const double sum = std::strtod(c.sum, nullptr);
        EXPECT_LT(M_E - sum, std::strtod(c.tolerance, nullptr) + 5e-7);
        EXPECT_GT(M_E - sum, -5e-7);
    }
}

}  // namespace
