// pi_series and e_series: the console lines for the stated term counts, the
// "%i" bases, and typed answers that give no usable count.
#include <gtest/gtest.h>

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
        {"  1000 terms\n", answer("3.140593", "0.000318")},
        {"1001", answer("3.142592", "-0.000318")},
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

TEST(PiSeries, TermCountReadsLikePercentI)
{
    struct Case {
        const char* text;
        TermCountStatus status;
        int value;
    };
    const Case cases[] = {
        {"017", TermCountStatus::ok, 15},
        {"0X1f", TermCountStatus::ok, 31},
        {"-0x10", TermCountStatus::ok, -16},
        {"09", TermCountStatus::ok, 0},   // "%i" stops at the non-octal 9
        {"+12abc", TermCountStatus::ok, 12},
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

}  // namespace
