#include "tests/program_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const std::string account_prompts =
    "Please enter the account holder:\n"
    "Please enter the account balance: "
    "c = checking, s = saving\n"
    "Please enter the account type:\n";
const std::string exit_question =
    "\nAre you finished checking all your accounts?:\n"
    "Enter 'n' to check more accounts; Enter any other character to exit\n";
const std::string choice_question =
    "You may now choose if you'd like to have your summary information output to a file, "
    "to the screen, or not output at all. \n"
    "Enter the letter 'f' for a file, 's' for a screen, or 'z' for nothing. \n";
const std::string no_fee = "A minimum balance fee does not need to be charged to this account\n";
const std::string goodbye = "Have a nice day! This program is terminated. \n";

std::string information(const std::string& holder, const std::string& percentage,
                        const std::string& new_balance)
{
    return "=== Account Information for " + holder + "'s Account ===\n"
           "Minimum Balance Fee to Account Balance Percentage: " + percentage + "%\n"
           "The new account balance is " + new_balance + "\n";
}

std::string summary(const std::string& count, const std::string& amount,
                    const std::string& fee_share, const std::string& charged_share)
{
    return "==== Accounts Summary ====\n"
           "The total number of accounts: " + count + "\n"
           "The total amount in all accounts: $" + amount + "\n"
           "The percentage of the total minimum balance fees with respect to the total "
           "account balances: " + fee_share + "%\n"
           "The percentage of accounts that were charged a minimum balance fee: " +
           charged_share + "%\n";
}

const std::string list_header = "==== List of Account Balances ====\n";

ProgramRun run_dialogue(const std::string& input, std::vector<std::string> dirs = {},
                        std::vector<std::string> args = {})
{
    return run_program("account_summary", {args, {}, dirs, input});
}

TEST(AccountSummary, FeeDecisionPerAccount)
{
    struct Case {
        std::string answers, report;
        std::vector<std::string> args = {};
    };
    const Case cases[] = {
        {"a 1000 s", no_fee + information("a", "0.0", "$1000.00")},
        {"a 999.99 s", information("a", "3.5", "964.99")},
        {"a 500 c", no_fee + information("a", "0.0", "$500.00")},
        {"a 499.99 c", information("a", "7.0", "464.99")},
        {"a 3.20 s", information("a", "1093.8", "-31.80")},
        {"a 0 c", information("a", "inf", "-35.00")},
        {"a -100 s", information("a", "-35.0", "-135.00")},
        {"a 700 x", "The account type was invalid\n"},
        {"a 700 S", "The account type was invalid\n"},
        // 50 / 999.99 = 5.0002%; 35 / 1500 = 2.33%.
        {"a 999.99 s", information("a", "5.0", "949.99"), {"--fee", "50"}},
        {"a 1500 s", information("a", "2.3", "1465.00"), {"--saving-minimum=2000"}},
        {"a 499.99 c", no_fee + information("a", "0.0", "$499.99"), {"--checking-minimum", "0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        ProgramRun run = run_dialogue(c.answers + " y z", {}, c.args);
        EXPECT_EQ(run.out, account_prompts + c.report + exit_question + choice_question + goodbye);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.files.size(), 0u);
    }
}

// Three accounts with cents, entered out of order, then each output choice.
TEST(AccountSummary, OutputChoices)
{
    const std::string accounts = "ann 1200.25 c n bob 12.5 s n cy 640.75 c y ";
    const std::string dialogue = account_prompts + no_fee + information("ann", "0.0", "$1200.25") +
                                 exit_question + account_prompts +
                                 information("bob", "280.0", "-22.50") + exit_question +
                                 account_prompts + no_fee + information("cy", "0.0", "$640.75") +
                                 exit_question + choice_question;
    const std::string totals = summary("3", "1853.50", "1.9", "33.3");
    const std::string sorted = list_header + "  0: $   12.50\n  1: $  640.75\n  2: $ 1200.25\n";
    const std::string in_order = list_header + "  1: $ 1200.25\n  2: $   12.50\n  3: $  640.75\n";

    ProgramRun screen = run_dialogue(accounts + "s");
    EXPECT_EQ(screen.out, dialogue + totals + sorted);
    EXPECT_EQ(screen.files.size(), 0u);

    ProgramRun file = run_dialogue(accounts + "f");
    EXPECT_EQ(file.out, dialogue + "Successfully opened file\nSuccessfully opened file\n");
    EXPECT_EQ(file.files["account_summary.txt"], totals);
    EXPECT_EQ(file.files["list_of_account_balances.txt"], in_order);

    for (const char* quiet : {"q", ""}) {
        ProgramRun none = run_dialogue(accounts + quiet);
        EXPECT_EQ(none.out, dialogue);
        EXPECT_EQ(none.status, 0);
        EXPECT_EQ(none.files.size(), 0u);
    }
}

TEST(AccountSummary, NoValidAccountDividesByZero)
{
    ProgramRun run = run_dialogue("a 5 k y s");
    EXPECT_EQ(run.out.substr(run.out.find("====")), summary("0", "0.00", invalid_nan, invalid_nan) + list_header);
}

// Answers on one line or with CRLF ends, a type glued to the balance, and a
// holder name far longer than 31 characters.
TEST(AccountSummary, ScansReadWordsNotLines)
{
    const std::string holder(100, 'h');
    ProgramRun run = run_dialogue(holder + "\r\n250.5c\r\nn\r\nb 2000 s y\r\nf\r\n");
    EXPECT_NE(run.out.find(information(holder, "14.0", "215.50")), std::string::npos);
    EXPECT_EQ(run.files["account_summary.txt"], summary("2", "2250.50", "1.6", "50.0"));
    EXPECT_EQ(run.status, 0);
}

TEST(AccountSummary, EndOfInputAndBadBalance)
{
    struct Case {
        std::string input;
        std::string out_tail;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {"", "holder:\n", 1, "end of input before the account holder"},
        {"a n", "balance: ", 1, "the account balance is not a number"},
        {"a", "balance: ", 1, "end of input before the account balance"},
        {"a 1 s n a 2", "type:\n", 1, "end of input before the account type"},
        {"a 1 s", choice_question, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        ProgramRun run = run_dialogue(c.input);
        ASSERT_GE(run.out.size(), c.out_tail.size());
        EXPECT_EQ(run.out.substr(run.out.size() - c.out_tail.size()), c.out_tail);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err.empty() ? "" : "account_summary: " + c.err + "\n");
    }
}

// Twelve accounts of 1 to 12 dollars: the totals count all, the lists the
// first 10, or as many as --listed keeps.
TEST(AccountSummary, MoreAccountsThanTheLists)
{
    std::string input;
    for (int i = 1; i <= 12; ++i)
        input += "p " + std::to_string(i) + " s " + (i < 12 ? "n " : "y ");
    struct Case {
        std::vector<std::string> args;
        int listed;
        std::string warning;
    };
    const std::string held = "account_summary: the balance list holds the first ";
    const Case cases[] = {
        {{}, 10, held + "10 balances; 2 later ones are in the totals but not listed\n"},
        {{"--listed", "3"}, 3, held + "3 balances; 9 later ones are in the totals but not listed\n"},
        {{"--listed=all"}, 12, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.listed);
        ProgramRun screen = run_dialogue(input + "s", {}, c.args);
        EXPECT_NE(screen.out.find(summary("12", "78.00", "538.5", "100.0") + list_header), std::string::npos);
        char last[40];
        std::snprintf(last, sizeof last, "%3d: $%8.2f\n", c.listed - 1, c.listed * 1.0);
        EXPECT_NE(screen.out.find(last), std::string::npos) << last;
        EXPECT_EQ(screen.out.find(std::to_string(c.listed) + ": $"), std::string::npos);
        EXPECT_EQ(screen.err, c.warning);

        ProgramRun file = run_dialogue(input + "f", {}, c.args);
        EXPECT_EQ(count_lines(file.files["list_of_account_balances.txt"]), c.listed + 1u);
        EXPECT_EQ(file.err, c.warning);
    }
}

// The accounts of OutputChoices with a fee of 50, charged to bob alone: 400%
// of his 12.50 and 50 / 1853.50 = 2.7% of the total. The files go where they
// are told.
TEST(AccountSummary, FeeAndFilesFromOptions)
{
    const std::string answers = "ann 1200.25 c n bob 12.5 s n cy 640.75 c y f";
    const std::string totals = summary("3", "1853.50", "2.7", "33.3");
    const std::string in_order = list_header + "  1: $ 1200.25\n  2: $   12.50\n  3: $  640.75\n";

    std::string dir = testing::TempDir() + "account_summary_XXXXXX";
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    ProgramRun placed = run_dialogue(answers, {}, {"--fee", "50", "--output-dir", dir});
    EXPECT_NE(placed.out.find(information("bob", "400.0", "-37.50")), std::string::npos);
    EXPECT_EQ(placed.files.size(), 0u);
    EXPECT_EQ(read_file(dir + "/account_summary.txt"), totals);
    EXPECT_EQ(read_file(dir + "/list_of_account_balances.txt"), in_order);
    for (const char* name : {"account_summary.txt", "list_of_account_balances.txt"})
        std::remove((dir + "/" + name).c_str());
    rmdir(dir.c_str());

    ProgramRun named = run_dialogue(answers, {}, {"--fee=50", "--summary", "s.txt", "--balance-list", "l.txt"});
    EXPECT_EQ(named.files.size(), 2u);
    EXPECT_EQ(named.files["s.txt"], totals);
    EXPECT_EQ(named.files["l.txt"], in_order);
}

TEST(AccountSummary, BlockedFileStillWritesTheOther)
{
    ProgramRun run = run_dialogue("a 600 c y f", {"account_summary.txt"});
    EXPECT_NE(run.out.find("Error opening file\nSuccessfully opened file\n"), std::string::npos);
    EXPECT_EQ(run.files["list_of_account_balances.txt"], list_header + "  1: $  600.00\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot create account_summary.txt"), std::string::npos);
}

}  // namespace
