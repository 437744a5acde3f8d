#include "common/command_line.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/files.h"

#ifndef SUITE_VERSION
#error "SUITE_VERSION (the project version) must be defined"
#endif

namespace {

std::string usage_line(const ProgramUsage& usage)
{
    std::string line = std::string("usage: ") + program_invocation_short_name;
    if (*usage.arguments != '\0')
        line += std::string(" ") + usage.arguments;
    return line;
}

// Whole numbers in full (100000, not 1e+05), others in the shortest %g form
// that reads back as the same value, so that --help shows defaults that can
// be passed back unchanged.
std::string shortest(double value, bool single)
{
    char text[40];
    if (value == std::floor(value) && std::fabs(value) < 9007199254740992.0) {
        std::snprintf(text, sizeof text, "%.0f", value);
        return text;
    }
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        const double back = std::strtod(text, nullptr);
        if (single ? static_cast<float>(back) == static_cast<float>(value) : back == value)
            break;
    }
    return text;
}

std::string range_text(const Range& r)
{
    std::string text;
    if (std::isfinite(r.low) && std::isfinite(r.high))
        text = shortest(r.low, false) + " to " + shortest(r.high, false);
    else if (std::isfinite(r.low))
        text = (r.low_open ? "> " : ">= ") + shortest(r.low, false);
    else if (std::isfinite(r.high))
        text = "<= " + shortest(r.high, false);
    if (r.all)
        text += " or all";
    return text;
}

// Why a value outside the range is refused.
std::string out_of_range(const Range& r)
{
    if (r.low_open && r.low == 0 && !std::isfinite(r.high))
        return "must be positive";
    if (r.low_open)
        return "must be greater than " + shortest(r.low, false);
    if (std::isfinite(r.low) && std::isfinite(r.high))
        return "must be between " + shortest(r.low, false) + " and " + shortest(r.high, false);
    if (std::isfinite(r.low))
        return "must be at least " + shortest(r.low, false);
    return "must be at most " + shortest(r.high, false);
}

bool inside(double x, const Range& r)
{
    return (r.low_open ? x > r.low : x >= r.low) && x <= r.high;
}

// Why x is refused: the range's own rule, or, when only the variable
// cannot hold it, that it is out of range.
std::string refusal(double x, const Range& r, double low, double high)
{
    if (!inside(x, r))
        return out_of_range(r);
    if (x < low || x > high)
        return "is out of range";
    return "";
}

std::string quoted(const char* text)
{
    return std::string("'") + text + "'";
}

std::string read_int(const char* text, const Range& range, int& value)
{
    long wide = 0;
    std::string why = read_number(text, range, wide);
    if (why.empty())
        why = refusal(static_cast<double>(wide), range, INT_MIN, INT_MAX);
    if (why.empty())
        value = static_cast<int>(wide);
    return why;
}

std::string read_float(const char* text, const Range& range, float& value)
{
    double wide = 0;
    std::string why = read_number(text, range, wide);
    if (why.empty() && !std::isfinite(static_cast<float>(wide)))
        why = "is out of range";
    // A value that rounds to a float outside the range (1e-50 to 0) is refused too.
    if (why.empty() && !inside(static_cast<float>(wide), range))
        why = out_of_range(range);
    if (why.empty())
        value = static_cast<float>(wide);
    return why;
}

// Reads one option's value into its variable; "" or the reason.
std::string set_option(const Option& option, const char* text)
{
    struct Reader {
        const char* text;
        const Range& range;
        std::string operator()(int* v) const { return read_int(text, range, *v); }
        std::string operator()(long* v) const { return read_number(text, range, *v); }
        std::string operator()(double* v) const { return read_number(text, range, *v); }
        std::string operator()(float* v) const { return read_float(text, range, *v); }
        std::string operator()(const char** v) const
        {
            if (*text == '\0')
                return "is not a file name";
            *v = text;
            return "";
        }
    };
    return std::visit(Reader{text, option.range}, option.value);
}

std::string default_text(const Option& option)
{
    struct Shower {
        const Range& range;
        std::string operator()(int* v) const { return std::to_string(*v); }
        std::string operator()(long* v) const
        {
            return range.all && *v == all_records ? "all" : std::to_string(*v);
        }
        std::string operator()(double* v) const { return shortest(*v, false); }
        std::string operator()(float* v) const { return shortest(*v, true); }
        std::string operator()(const char** v) const { return *v; }
    };
    if (option.default_text != nullptr)
        return std::string(": ") + option.default_text;
    return " " + std::visit(Shower{option.range}, option.value);
}

const char* metavar(const Option& option)
{
    if (std::holds_alternative<const char**>(option.value))
        return "NAME";
    if (std::holds_alternative<double*>(option.value) || std::holds_alternative<float*>(option.value))
        return "X";
    return option.range.all ? "N|all" : "N";
}

void print_help(const ProgramUsage& usage, const Options& options)
{
    std::printf("%s\n%s\n", usage_line(usage).c_str(), usage.about);
    std::printf("\nOptions:\n");
    for (const Option& option : options) {
        std::string left = std::string("--") + option.name + "=" + metavar(option);
        std::string right = option.help;
        if (*option.unit != '\0')
            right += std::string(", ") + option.unit;
        right += " (default" + default_text(option);
        const bool numeric = !std::holds_alternative<const char**>(option.value);
        const std::string limits = numeric ? range_text(option.range) : "";
        if (!limits.empty())
            right += "; " + limits;
        right += ")";
        std::printf("  %-22s %s\n", left.c_str(), right.c_str());
    }
    std::printf("  %-22s %s\n  %-22s %s\n", "-h, --help", "print this help and exit", "    --version",
                "print the version and exit");
    if (usage.section != nullptr)
        std::printf("See %s(%s).\n", program_invocation_short_name, usage.section);
}

// A word that begins with '-' and then a digit or a point is a negative
// number, not an option: the walks take a negative seed.
bool is_option(const char* word)
{
    return word[0] == '-' && word[1] != '\0' && !(std::isdigit(static_cast<unsigned char>(word[1])) ||
                                                  word[1] == '.');
}

[[noreturn]] void refuse(const std::string& message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", program_invocation_short_name, message.c_str(),
                 program_invocation_short_name);
    std::exit(1);
}

}  // namespace

std::string read_number(const char* text, const Range& range, double& value)
{
    char* end = nullptr;
    errno = 0;
    const double x = std::strtod(text, &end);
    if (end == text || *end != '\0' || std::isspace(static_cast<unsigned char>(*text)))
        return "is not a number";
    if (!std::isfinite(x))
        return "is not a finite number";
    if (!inside(x, range))
        return out_of_range(range);
    value = x;
    return "";
}

std::string read_number(const char* text, const Range& range, long& value, int base)
{
    if (range.all && std::strcmp(text, "all") == 0) {
        value = all_records;
        return "";
    }
    char* end = nullptr;
    errno = 0;
    const long x = std::strtol(text, &end, base);
    if (end == text || *end != '\0' || std::isspace(static_cast<unsigned char>(*text))) {
        double real = 0;
        return read_number(text, any_value, real).empty() ? "is not a whole number" : "is not a number";
    }
    if (!inside(static_cast<double>(x), range))
        return out_of_range(range);
    if (errno == ERANGE)
        return "is out of range";
    value = x;
    return "";
}

std::string parse_command_line(int argc, const char* const* argv, const Options& options,
                               std::vector<const char*>& positionals)
{
    bool options_ended = false;
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (options_ended || !is_option(word)) {
            positionals.push_back(word);
            continue;
        }
        if (std::strcmp(word, "--") == 0) {
            options_ended = true;
            continue;
        }
        const char* equals = std::strchr(word, '=');
        const std::string name = equals != nullptr ? std::string(word, equals) : std::string(word);
        const Option* found = nullptr;
        for (const Option& option : options)
            if (name == std::string("--") + option.name)
                found = &option;
        if (found == nullptr)
            return "unknown option " + quoted(name.c_str());
        const char* text = equals != nullptr ? equals + 1 : nullptr;
        if (text == nullptr) {
            if (i + 1 == argc)
                return name + ": a value is needed";
            text = argv[++i];
        }
        const std::string why = set_option(*found, text);
        if (!why.empty())
            return name + ": " + quoted(text) + " " + why;
    }
    return "";
}

std::vector<const char*> handle_options(int argc, char** argv, const ProgramUsage& usage,
                                        const Options& options)
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            print_help(usage, options);
            check_standard_output();
            std::exit(0);
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s (physics suite) %s\n", program_invocation_short_name, SUITE_VERSION);
            check_standard_output();
            std::exit(0);
        }
    }
    std::vector<const char*> positionals;
    const std::string error = parse_command_line(argc, argv, options, positionals);
    if (!error.empty())
        refuse(error);
    if (*usage.arguments == '\0' && !positionals.empty()) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: unexpected argument '%s'\n", program_invocation_short_name,
                     positionals.front());
        print_usage(usage);
        std::exit(1);
    }
    check_standard_output_at_exit();
    return positionals;
}

void print_usage(const ProgramUsage& usage)
{
    std::fprintf(stderr, "%s\n", usage_line(usage).c_str());
}

double real_argument(const char* what, const char* text, const Range& range)
{
    double value = 0;
    const std::string why = read_number(text, range, value);
    if (!why.empty())
        refuse(std::string(what) + ": " + quoted(text) + " " + why);
    return value;
}

long integer_argument(const char* what, const char* text, const Range& range)
{
    long value = 0;
    const std::string why = read_number(text, range, value);
    if (!why.empty())
        refuse(std::string(what) + ": " + quoted(text) + " " + why);
    return value;
}
