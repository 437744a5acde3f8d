// account_summary: asks for one bank account after another (holder, balance,
// type), charges the minimum-balance fee where the balance is below its
// type's minimum, and offers a summary of all accounts on the screen, in two
// files, or not at all.
#include "accounts/answers.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/command_line.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

namespace {

int fee = 35;                                 // dollars, charged once per charged account
MinimumBalances minimums = usual_minimums;    // dollars
long balance_list_size = 10;                  // entered balances kept for the lists
const char* output_dir = ".";
const char* summary_file = "account_summary.txt";
const char* balance_list_file = "list_of_account_balances.txt";
const Options options = {
    {"fee", &fee, "dollars", "fee charged to an account below its minimum", at_least(0)},
    {"saving-minimum", &minimums.saving, "dollars", "balance below which a saving account is charged"},
    {"checking-minimum", &minimums.checking, "dollars",
     "balance below which a checking account is charged"},
    {"listed", &balance_list_size, "", "balances kept for the two lists", count_or_all(0)},
    {"output-dir", &output_dir, "", "folder of the two summary files"},
    {"summary", &summary_file, "", "summary file written on the answer f"},
    {"balance-list", &balance_list_file, "", "list of balances written on the answer f"},
};
constexpr ProgramUsage usage{
    "", "Asks for one bank account after another, charges the minimum-balance fee where due,\n"
        "and offers a summary of all accounts on the screen, in two files, or not at all.\n"
        "Reads standard input; writes account_summary.txt (--summary) and\n"
        "list_of_account_balances.txt (--balance-list) in --output-dir when the summary\n"
        "goes to files."};

// Counters are wide so that no number of accounts can overflow them.
struct Totals {
    long long count = 0;     // valid accounts
    float amount = 0;        // their balances as entered, before any fee
    long long charged = 0;   // accounts charged the fee
    long long fees = 0;      // fee total, a multiple of the fee
};

// Every prompt is on the screen before the program waits for its answer.
void ask(std::FILE* out, const char* prompt)
{
    std::fputs(prompt, out);
    std::fflush(out);
}

std::string get_account_holder(std::FILE* in, std::FILE* out)
{
    ask(out, "Please enter the account holder:\n");
    std::string name;
    if (read_word(in, name) == Answer::missing)
        die("end of input before the account holder");
    return name;
}

float get_account_balance(std::FILE* in, std::FILE* out)
{
    return ask_balance(in, out);
}

char get_account_type(std::FILE* in, std::FILE* out)
{
    ask(out, "c = checking, s = saving\nPlease enter the account type:\n");
    char type;
    if (read_letter(in, true, type) == Answer::missing)
        die("end of input before the account type");
    return type;
}

float net_balance(float balance, int charge)
{
    return balance - charge;
}

void update_account_summary_information(long long& count, float& total, float balance)
{
    count = count + 1;
    total = total + balance;
}

// True when the user is finished; end of input counts as finished.
bool ask_to_exit(std::FILE* in, std::FILE* out)
{
    ask(out, "\nAre you finished checking all your accounts?:\n"
             "Enter 'n' to check more accounts; Enter any other character to exit\n");
    char answer;
    return read_letter(in, true, answer) == Answer::missing || answer != 'n';
}

// The chosen letter, or '\0' (no output) at end of input.
char ask_output_choice(std::FILE* in, std::FILE* out)
{
    ask(out, "You may now choose if you'd like to have your summary information output "
             "to a file, to the screen, or not output at all. \n"
             "Enter the letter 'f' for a file, 's' for a screen, or 'z' for nothing. \n");
    char choice;
    return read_letter(in, true, choice) == Answer::given ? choice : '\0';
}

// The fee quotient is single precision: a double here changes printed digits.
void print_account_information(std::FILE* out, const std::string& holder, float balance,
                               bool charged)
{
    std::fprintf(out, "=== Account Information for %s's Account ===\n", holder.c_str());
    int charge = charged ? fee : 0;
    float percentage = charge / balance * 100;
    std::fprintf(out, "Minimum Balance Fee to Account Balance Percentage: %.1f%%\n", percentage);
    if (charged)
        std::fprintf(out, "The new account balance is %.2f\n", net_balance(balance, fee));
    else
        std::fprintf(out, "The new account balance is $%.2f\n", balance);
}

// With no valid account both percentages divide by zero and print what that
// division gives.
void print_summary(std::FILE* to, const Totals& totals)
{
    float fee_percentage = totals.fees / totals.amount * 100;
    double charged_percentage = totals.charged * 100.0 / totals.count;
    std::fputs("==== Accounts Summary ====\n", to);
    std::fprintf(to, "The total number of accounts: %lld\n", totals.count);
    std::fprintf(to, "The total amount in all accounts: $%.2f\n", totals.amount);
    std::fprintf(to, "The percentage of the total minimum balance fees with respect to the "
                     "total account balances: %.1f%%\n", fee_percentage);
    std::fprintf(to, "The percentage of accounts that were charged a minimum balance fee: "
                     "%.1f%%\n", charged_percentage);
}

using Balances = std::vector<float>;

bool list_has_room(const Balances& balances)
{
    return balance_list_size == all_records || balances.size() < static_cast<size_t>(balance_list_size);
}

void print_balance_list(std::FILE* to, const Balances& balances, size_t first_number)
{
    std::fputs("==== List of Account Balances ====\n", to);
    for (size_t i = 0; i < balances.size(); ++i)
        std::fprintf(to, "%3zu: $%8.2f\n", first_number + i, balances[i]);
}

void warn_unlisted(const Totals& totals, const Balances& balances)
{
    const long long listed = static_cast<long long>(balances.size());
    if (totals.count > listed)
        warn("the balance list holds the first %ld balances; %lld later ones are in the "
             "totals but not listed", balance_list_size, totals.count - listed);
}

// Exchange sort: ascending, entries moved whole; no comparison can misbehave
// on a NaN balance.
void sort_balances(Balances& balances)
{
    const size_t n = balances.size();
    for (size_t k = 0; k < n; ++k)
        for (size_t i = k; i < n; ++i)
            if (balances[k] > balances[i]) {
                float entry = balances[k];
                balances[k] = balances[i];
                balances[i] = entry;
            }
}

// Opens a summary file with its messages; nullptr when it cannot be created.
std::FILE* open_summary_file(const std::string& name, std::FILE* out)
{
    std::FILE* file = std::fopen(name.c_str(), "w");
    if (!file) {
        const int reason = errno;   // the screen message may change it
        std::fputs("Error opening file\n", out);
        errno = reason;
        warn("cannot create %s:", name.c_str());
        return nullptr;
    }
    std::fputs("Successfully opened file\n", out);
    return file;
}

bool output_account_summary_to_file(const Totals& totals, std::FILE* out)
{
    const std::string name = in_folder(output_dir, summary_file);
    std::FILE* file = open_summary_file(name, out);
    if (!file)
        return false;
    print_summary(file, totals);
    close_output(file, name.c_str());
    return true;
}

// The file list keeps entry order and counts from 1.
bool output_list_of_account_balances(const Balances& balances, const Totals& totals, std::FILE* out)
{
    const std::string name = in_folder(output_dir, balance_list_file);
    std::FILE* file = open_summary_file(name, out);
    if (!file)
        return false;
    warn_unlisted(totals, balances);
    print_balance_list(file, balances, 1);
    close_output(file, name.c_str());
    return true;
}

// One account: asked, charged or not, reported, and counted when its type is
// valid.
void check_account(std::FILE* in, std::FILE* out, Totals& totals, Balances& balances)
{
    std::string holder = get_account_holder(in, out);
    float balance = get_account_balance(in, out);
    char type = get_account_type(in, out);
    float minimum;
    if (!minimum_balance(type, minimum, minimums)) {
        std::fputs("The account type was invalid\n", out);
        return;
    }
    bool charged = balance < minimum;
    if (charged) {
        totals.charged += 1;
        totals.fees += fee;
    } else {
        std::fputs("A minimum balance fee does not need to be charged to this account\n", out);
    }
    print_account_information(out, holder, balance, charged);
    update_account_summary_information(totals.count, totals.amount, balance);
    if (list_has_room(balances))
        balances.push_back(balance);
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    std::FILE* in = stdin;
    std::FILE* out = stdout;
    Totals totals;
    Balances balances;

    do
        check_account(in, out, totals, balances);
    while (!ask_to_exit(in, out));

    int status = 0;
    switch (ask_output_choice(in, out)) {
    case 's':
        print_summary(out, totals);
        warn_unlisted(totals, balances);
        sort_balances(balances);
        print_balance_list(out, balances, 0);
        break;
    case 'f':
        // The second file is attempted even when the first cannot be created;
        // a write that fails ends the program there (close_output).
        if (!output_account_summary_to_file(totals, out))
            status = 1;
        if (!output_list_of_account_balances(balances, totals, out))
            status = 1;
        break;
    case 'z':
        std::fputs("Have a nice day! This program is terminated. \n", out);
        break;
    default:
        break;
    }
    return status;
}
