#include "tests/program_runner.h"

#include <gtest/gtest.h>

namespace {

const std::string type_prompt = "c = checking, s = saving \nPlease enter the account type:\n";
const std::string balance_prompt = "Please enter the account balance: ";
const std::string fee = "A minimum balance fee needs to be charged to this account.\n";
const std::string no_fee = "A minimum balance fee does not need to be charged to this account.\n";
const std::string wrong_type = "You didn't enter the right account type. Please try again.";

struct FeeCase {
    std::string input;
    std::string out;      // after the type prompt
    int status;
    std::string err;
    std::vector<std::string> args = {};
};

TEST(FeeCheck, DialoguesAndVerdicts)
{
    const FeeCase cases[] = {
        {"s\n999.99\n", balance_prompt + fee, 0, ""},
        {"s\n1000\n", balance_prompt + no_fee, 0, ""},
        {"c\n499.5\n", balance_prompt + fee, 0, ""},
        {"c\n500\n", balance_prompt + no_fee, 0, ""},
        {"c\n700\n", balance_prompt + no_fee, 0, ""},
        {"s\n-5\n", balance_prompt + fee, 0, ""},
        {"c499.99", balance_prompt + fee, 0, ""},
        {"s\r\n1000\r\n", balance_prompt + no_fee, 0, ""},
        {"S\n10\n", wrong_type, 0, ""},
        {"C\n10\n", wrong_type, 0, ""},
        {" s\n10\n", wrong_type, 0, ""},
        {"\ns\n10\n", wrong_type, 0, ""},
        {"s\nlots\n", balance_prompt, 1, "fee_check: the account balance is not a number\n"},
        {"s\n", balance_prompt, 1, "fee_check: end of input before the account balance\n"},
        {"", "", 1, "fee_check: end of input before the account type\n"},
        {"s\n1500\n", balance_prompt + fee, 0, "", {"--saving-minimum", "2000"}},
        {"c\n499.5\n", balance_prompt + no_fee, 0, "", {"--checking-minimum=499.5"}},
        {"c\n499.5\n", balance_prompt + fee, 0, "", {"--checking-minimum=499.51", "--saving-minimum=0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        ProgramRun run = run_program("fee_check", {c.args, {}, {}, c.input});
        EXPECT_EQ(run.out, type_prompt + c.out);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err);
    }
}

}  // namespace
