// The command line of every program: GNU long options declared as one table
// of data per program (name, value, unit, help, allowed range), --help made
// from that table, --version, and numbers read with checks.
#pragma once

#include <limits>
#include <string>
#include <variant>
#include <vector>

// The values an option or a numeric argument may take. A count may also be
// given as "all" (every record of the file), read as all_records.
struct Range {
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    bool low_open = false;   // low itself is refused: "must be positive"
    bool all = false;        // "all" is accepted
};

constexpr long all_records = -1;
constexpr Range any_value{};
constexpr Range positive{0, std::numeric_limits<double>::infinity(), true};
constexpr Range at_least(double low)
{
    return {low, std::numeric_limits<double>::infinity()};
}
constexpr Range between(double low, double high)
{
    return {low, high};
}
// A number of records to read: at least `low`, or "all".
constexpr Range count_or_all(double low = 1)
{
    return {low, std::numeric_limits<double>::infinity(), false, true};
}

// One option, --name VALUE or --name=VALUE. The variable pointed to holds the
// default (the program's constant) until the option is given; a float is read
// in double precision and rounded once, as a float constant is.
struct Option {
    const char* name;
    std::variant<int*, long*, double*, float*, const char**> value;
    const char* unit;                       // "" when the value has none
    const char* help;                       // one line: what the value is
    Range range = any_value;                // ignored for names
    const char* default_text = nullptr;     // for --help where the default is not a value
};
using Options = std::vector<Option>;

// What a program says of itself.
struct ProgramUsage {
    const char* arguments;   // after the program name on the usage line; "" for none
    const char* about;       // the rest of --help: what it computes, what it reads and writes
    const char* section = "1phys";   // of its manual page; null for a tool without one
};

// The first call of every main. Answers --help and --version on standard
// output with status 0 before any file or input is touched; then reads every
// option into its variable, wherever it stands ("--" ends the options). An
// unknown option, a bad value, or an argument given to a program that takes
// none ends the program with status 1, touching nothing. Returns the
// positional arguments; standard output is checked at exit from here on.
std::vector<const char*> handle_options(int argc, char** argv, const ProgramUsage& usage,
                                        const Options& options = {});

// The usage line on standard error, the answer to missing arguments.
void print_usage(const ProgramUsage& usage);

// The work of handle_options without its answers: reads the options into
// their variables and collects the positional arguments. Returns "" or what
// is wrong ("--step: 'abc' is not a number"). --help and --version are not
// looked at here.
std::string parse_command_line(int argc, const char* const* argv, const Options& options,
                               std::vector<const char*>& positionals);

// Read the whole of `text` as a number within the range: "" when it is one,
// else the reason ("is not a number", "must be positive"). An integer is read
// in `base` (0: C's rule, a leading 0 for octal and 0x for hexadecimal).
std::string read_number(const char* text, const Range& range, double& value);
std::string read_number(const char* text, const Range& range, long& value, int base = 10);

// A positional argument named `what` on the usage line, read with checks:
// dies "PROG: WHAT: 'TEXT' reason" and the --help hint, status 1.
double real_argument(const char* what, const char* text, const Range& range);
long integer_argument(const char* what, const char* text, const Range& range);
