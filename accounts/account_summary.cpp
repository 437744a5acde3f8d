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
#include <cstring>
#include <string>

namespace {

constexpr int fee = 35;                  // charged once per charged account
constexpr int balance_list_size = 10;    // entered balances kept for the lists
const char* const summary_file = "account_summary.txt";
const char* const balance_list_file = "list_of_account_balances.txt";
constexpr ProgramUsage usage{
    "", "Asks for one bank account after another, charges the minimum-balance fee where due,\n"
        "and offers a summary of all accounts on the screen, in two files, or not at all.\n"
        "Reads standard input; writes account_summary.txt and list_of_account_balances.txt\n"
        "when the summary goes to files."};

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

void print_balance_list(std::FILE* to, const float* balances, int listed, int first_number)
{
    std::fputs("==== List of Account Balances ====\n", to);
    for (int i = 0; i < listed; ++i)
        std::fprintf(to, "%3d: $%8.2f\n", first_number + i, balances[i]);
}

void warn_unlisted(const Totals& totals, int listed)
{
    if (totals.count > listed)
        warn("the balance list holds the first %d balances; %lld later ones are in the "
             "totals but not listed", balance_list_size, totals.count - listed);
}

// Exchange sort: ascending, entries moved whole; no comparison can misbehave
// on a NaN balance.
void sort_balances(float* balances, int n)
{
    for (int k = 0; k < n; ++k)
        for (int i = k; i < n; ++i)
            if (balances[k] > balances[i]) {
                float entry = balances[k];
                balances[k] = balances[i];
                balances[i] = entry;
            }
}

// Opens a summary file with its messages; nullptr when it cannot be created.
std::FILE* open_summary_file(const char* name, std::FILE* out)
{
    std::FILE* file = std::fopen(name, "w");
    if (!file) {
        int reason = errno;
        std::fputs("Error opening file\n", out);
        warn("cannot create %s: %s", name, std::strerror(reason));
        return nullptr;
    }
    std::fputs("Successfully opened file\n", out);
    return file;
}

bool output_account_summary_to_file(const Totals& totals, std::FILE* out)
{
    std::FILE* file = open_summary_file(summary_file, out);
    if (!file)
        return false;
    print_summary(file, totals);
    close_output(file, summary_file);
    return true;
}

// The file list keeps entry order and counts from 1.
bool output_list_of_account_balances(const float* balances, int listed, const Totals& totals,
                                     std::FILE* out)
{
    std::FILE* file = open_summary_file(balance_list_file, out);
    if (!file)
        return false;
    warn_unlisted(totals, listed);
    print_balance_list(file, balances, listed, 1);
    close_output(file, balance_list_file);
    return true;
}

// One account: asked, charged or not, reported, and counted when its type is
// valid.
void check_account(std::FILE* in, std::FILE* out, Totals& totals, float* balances, int& listed)
{
    std::string holder = get_account_holder(in, out);
    float balance = get_account_balance(in, out);
    char type = get_account_type(in, out);
    float minimum;
    if (!minimum_balance(type, minimum)) {
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
    if (listed < balance_list_size)
        balances[listed++] = balance;
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    std::FILE* in = stdin;
    std::FILE* out = stdout;
    Totals totals;
    float balances[balance_list_size];
    int listed = 0;

    do
        check_account(in, out, totals, balances, listed);
    while (!ask_to_exit(in, out));

    int status = 0;
    switch (ask_output_choice(in, out)) {
    case 's':
        print_summary(out, totals);
        warn_unlisted(totals, listed);
        sort_balances(balances, listed);
        print_balance_list(out, balances, listed, 0);
        break;
    case 'f':
        // The second file is attempted even when the first cannot be created;
        // a write that fails ends the program there (close_output).
        if (!output_account_summary_to_file(totals, out))
            status = 1;
        if (!output_list_of_account_balances(balances, listed, totals, out))
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
