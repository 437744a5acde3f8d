// Everything a user can get wrong, for every program of the suite: input
// files missing, empty, short, holding text or binary garbage, one huge word
// or very long lines; arguments missing, non-numeric, negative, huge or not
// taken at all; standard input ending early; an output file blocked by a
// directory or on a full disk; standard output on a full disk; --help and
// --version. No case may crash or hang a program; each ends with the status
// and the message the bad-input rules promise, and a failing run leaves
// earlier results as they were.
#include <dirent.h>
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstdlib>
#include <functional>
#include <map>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

using Files = std::map<std::string, std::string>;
// A file's content, made when its case runs: some are megabytes.
using Content = std::function<std::string()>;

constexpr double case_timeout_s = 30;
constexpr std::size_t megabyte = 1 << 20;
const std::string earlier_result = "earlier result\n";

std::string repeat(const std::string& text, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i)
        s += text;
    return s;
}

Content text(const std::string& s)
{
    return [s] { return s; };
}

// Every byte value, twice: no text format reads it.
std::string binary_garbage()
{
    std::string bytes;
    for (int round = 0; round < 2; ++round)
        for (int b = 255; b >= 0; --b)
            bytes += static_cast<char>(b);
    return bytes;
}

std::string huge_word()
{
    return std::string(megabyte, 'x');
}

std::string huge_number()
{
    return std::string(megabyte, '7') + "\n";
}

std::string blanks()
{
    return std::string(megabyte, ' ');
}

// What a case runs: files, arguments, standard input, blocking directories.
struct Setup {
    std::map<std::string, Content> files = {};
    std::vector<std::string> args = {};
    Content input = text("");
    std::vector<std::string> dirs = {};
    std::vector<std::string> full = {};   // linked to /dev/full
    bool output_full = false;             // standard output on /dev/full
};

// err_has: what standard error must hold; empty_err: it must be empty; with
// status 1 every line must name the program first, unless the program writes
// notes there too (noisy).
struct MatrixCase {
    std::string program;
    std::string fault;
    Setup setup;
    int status;
    std::string err_has;
    bool empty_err;
    bool noisy;
    Files kept;               // files there before the run that must come out unchanged
    bool only_kept = false;   // and no other file may appear
    std::string out = "";     // a pattern the whole standard output must match, when given
    bool explicit_defaults = false;   // run again with every option at its --help default: same bytes
};

std::vector<MatrixCase> all_cases;

std::map<std::string, Content> contents(const Files& files)
{
    std::map<std::string, Content> c;
    for (const auto& [name, content] : files)
        c[name] = text(content);
    return c;
}

Setup with(const Files& files, const std::vector<std::string>& args = {},
           const std::string& input = "", const std::vector<std::string>& dirs = {})
{
    return Setup{contents(files), args, text(input), dirs};
}

void add(const std::string& program, const std::string& fault, const Setup& setup, int status,
         const std::string& err_has, const Files& kept = {})
{
    all_cases.push_back({program, fault, setup, status, err_has, err_has.empty(), false, kept});
}

// Like add, for a run whose standard error holds notes besides what is checked.
void add_noisy(const std::string& program, const std::string& fault, const Setup& setup,
               int status, const std::string& err_has)
{
    all_cases.push_back({program, fault, setup, status, err_has, false, true, {}});
}

Files earlier(const std::vector<std::string>& outputs)
{
    Files files;
    for (const std::string& name : outputs)
        files[name] = earlier_result;
    return files;
}

// An input read by formatted extraction for a fixed number of records. Every
// fault ends the run with status 1 before any output file is opened.
struct CountedInput {
    std::string program;
    std::string file;
    std::string record;                  // one whole record, line end included
    int needed;
    std::string unit;                    // as the message counts them
    std::vector<std::string> args;
    std::vector<std::string> outputs;    // must survive a failing run
};

void add_counted_input_faults(const CountedInput& in)
{
    const std::string of = " of the " + std::to_string(in.needed) + " " + in.unit + " needed";
    const std::string holds = in.file + " holds only ";
    const std::string not_a_number = in.file + ": not a number after ";
    const Files kept = earlier(in.outputs);
    const Setup without = with(kept, in.args);
    auto run = [&](const Content& content) {
        Setup s = without;
        s.files[in.file] = content;
        return s;
    };
    // Line structure is not looked at: three records on one long line count.
    std::string record = in.record;
    record.back() = ' ';
    const Content long_line = [record] {
        return record + blanks() + record + blanks() + record + "\n";
    };
    Setup directory = without;
    directory.dirs = {in.file};

    add(in.program, in.file + " missing", without, 1,
        "cannot open " + in.file + ": No such file or directory", kept);
    add(in.program, in.file + " empty", run(text("")), 1, holds + "0" + of, kept);
    add(in.program, in.file + " short", run(text(repeat(in.record, 2))), 1, holds + "2" + of, kept);
    add(in.program, in.file + " text among numbers",
        run(text(repeat(in.record, 2) + "twelve 1 2 3 4 5 6\n")), 1, not_a_number + "2" + of, kept);
    add(in.program, in.file + " binary garbage", run(binary_garbage), 1, not_a_number + "0" + of, kept);
    add(in.program, in.file + " huge word", run(huge_word), 1, not_a_number + "0" + of, kept);
    add(in.program, in.file + " huge number", run(huge_number), 1, not_a_number + "0" + of, kept);
    add(in.program, in.file + " long line", run(long_line), 1, holds + "3" + of, kept);
    add(in.program, in.file + " a directory", directory, 1,
        "cannot read " + in.file + ": Is a directory", kept);
}

// A line-oriented record file: malformed lines are skipped and counted,
// reading goes on; only a file that cannot be opened or read fails.
struct RecordInput {
    std::string program;
    std::string file;
    std::string record;                  // one valid line
    Files others;
    std::string input;                   // standard input
    std::vector<std::string> outputs;    // must survive a failing run
};

void add_record_input_faults(const RecordInput& in)
{
    const Files kept = earlier(in.outputs);
    Files others = in.others;
    others.insert(kept.begin(), kept.end());
    const Setup without = with(others, {}, in.input);
    auto run = [&](const Content& content) {
        Setup s = without;
        s.files[in.file] = content;
        return s;
    };
    const std::string record = in.record;
    Setup directory = without;
    directory.dirs = {in.file};
    const std::string skipped = in.file + ": skipped ";

    add(in.program, in.file + " missing", without, 1,
        "cannot open " + in.file + ": No such file or directory", kept);
    add(in.program, in.file + " empty", run(text("")), 0, "");
    add(in.program, in.file + " one record", run(text(record)), 0, "");
    add(in.program, in.file + " text among records",
        run(text(record + "ride time first second\n" + record)), 0, skipped + "1 malformed line\n");
    add_noisy(in.program, in.file + " binary garbage", run(binary_garbage), 0, in.file);
    add(in.program, in.file + " huge word", run([record] { return record + huge_word() + "\n" + record; }),
        0, skipped + "1 malformed line\n");
    add(in.program, in.file + " long line", run([record] { return blanks() + record; }), 0, "");
    add(in.program, in.file + " a directory", directory, 1,
        "cannot read " + in.file + ": Is a directory", kept);
}

// The cheapest route's leg files: line-oriented, but a fixed number of legs.
void add_leg_file_faults(const Files& valid, const std::string& file, int needed)
{
    const std::string program = "cheapest_route";
    const std::string holds_only = file + " holds only ";
    const std::string of = " of the " + std::to_string(needed) + " legs needed";
    Files others = valid;
    others.erase(file);
    const Setup without = with(others);
    auto run = [&](const Content& content) {
        Setup s = without;
        s.files[file] = content;
        return s;
    };
    const std::string legs = valid.at(file);
    Setup directory = without;
    directory.dirs = {file};

    add(program, file + " missing", without, 1, "cannot open " + file + ": No such file or directory");
    add(program, file + " empty", run(text("")), 1, holds_only + "0" + of);
    add(program, file + " short", run(text("denver chicago 190\n")), 1, holds_only + "1" + of);
    add(program, file + " text where the cost belongs", run(text("denver chicago cheap\n")), 1,
        file + ": skipped 1 malformed line\n");
    add(program, file + " binary garbage", run(binary_garbage), 1, holds_only + "0" + of);
    add(program, file + " huge word", run([] { return huge_word() + "\n"; }), 1,
        file + ": skipped 1 malformed line\n");
    // Blanks before the first leg do not matter; the run completes.
    add(program, file + " long line", run([legs] { return blanks() + legs; }), 0, "");
    add(program, file + " a directory", directory, 1, "cannot read " + file + ": Is a directory");
}

// notes: the program writes notes on standard error before it gets there.
void add_blocked_output(const std::string& program, const std::string& output, Setup setup = {},
                        bool notes = false)
{
    const std::string fault = output + " blocked by a directory";
    setup.dirs.push_back(output);
    const std::string message = program + ": cannot create " + output + ": Is a directory\n";
    if (notes)
        add_noisy(program, fault, setup, 1, message);
    else
        add(program, fault, setup, 1, message);
}

// n time-value pairs 10 ps apart: phases small enough for the fast transform,
// so a spectrum program reaches its first write in well under a second.
Content pairs_text(int n)
{
    return [n] {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += std::to_string(i) + "e-11 1\n";
        return s;
    };
}

const std::string trip_fix = "00001\t2014-04-01T10:00:00+00:00\t1.5\t2.5\n";
const std::string trip_fix_later = "00001\t2014-04-01T10:00:10+00:00\t31.5\t42.5\n";
const std::string velocity_line = "1  5.000000000000000 \n";
const std::string pair_event = "-338.35 -24.52 481.28 131.73 8.84 1198.35\n";

const Files legs{
    {"leg1.txt", "sanfrancisco denver 195\nsanfrancisco dallas 161\nsanfrancisco atlanta 157\n"},
    {"leg2.txt", repeat("denver chicago 190\n", 3) + repeat("dallas boston 194\n", 3) +
                     repeat("atlanta miami 258\n", 3)},
    {"leg3.txt", "chicago new_york 100\nboston new_york 120\nmiami new_york 140\n"},
};

void spectral_cases()
{
    struct Series {
        const char* program;
        const char* file;
        int needed;
        const char* output;
    };
    const Series series[] = {
        {"crab_spectrum", "Crab.dat", 148282, "fcrab.txt"},
        {"pulsar_spectrum", "pulsar.dat", 100001, "fpulse.txt"},
        {"phone_spectrum", "cellphone.dat", 120001, "fphone.txt"},
        {"crab_brightness", "Crab.dat", 148282, "lightcrab.txt"},
    };
    for (const Series& s : series) {
        add_counted_input_faults({s.program, s.file, "0.5 7\n", s.needed, "time-value pairs", {},
                                  {s.output}});
        // The full count is read, then the blocked output stops the run
        // before the transform.
        add_blocked_output(s.program, s.output, Setup{{{s.file, pairs_text(s.needed)}}});
    }
    add_counted_input_faults({"angle_histogram", "481X2t.txt", pair_event, 100, "events", {},
                              {"481X2T.txt"}});
    add_blocked_output("angle_histogram", "481X2T.txt", with({{"481X2t.txt", repeat(pair_event, 100)}}));
    for (const char* output : {"rmsaw.txt", "saw1.txt", "saw3.txt", "saw5.txt", "saw30.txt"})
        add_blocked_output("sawtooth_series", output);

    // Every record of the file (--samples all, --events all): it must end
    // after a whole record and hold as many as the computation needs.
    struct AllOf {
        const char* program;
        const char* option;
        const char* file;
        std::string record;
        const char* unit;
        int least;
        const char* output;
    };
    const AllOf alls[] = {
        {"crab_spectrum", "--samples", "Crab.dat", "0.5 7\n", "time-value pairs", 2, "fcrab.txt"},
        {"pulsar_spectrum", "--samples", "pulsar.dat", "0.5 7\n", "time-value pairs", 2, "fpulse.txt"},
        {"phone_spectrum", "--samples", "cellphone.dat", "0.5 7\n", "time-value pairs", 2, "fphone.txt"},
        {"crab_brightness", "--samples", "Crab.dat", "0.5 7\n", "time-value pairs", 1, "lightcrab.txt"},
        {"angle_histogram", "--events", "481X2t.txt", pair_event, "events", 1, "481X2T.txt"},
    };
    for (const AllOf& a : alls) {
        const Files kept = earlier({a.output});
        auto all_of = [&](const std::string& content) {
            Files files = kept;
            files[a.file] = content;
            return with(files, {a.option, "all"});
        };
        const std::string file = a.file;
        add(a.program, std::string(a.option) + " all, " + file + " empty", all_of(""), 1,
            file + " holds only 0 of the " + std::to_string(a.least) + " " + a.unit + " needed", kept);
        add(a.program, std::string(a.option) + " all, text among numbers",
            all_of(a.record + a.record + "twelve 1 2 3 4 5 6\n"), 1,
            file + ": not a number after 2 " + a.unit, kept);
        add(a.program, std::string(a.option) + " all, a record cut short", all_of(a.record + a.record + "1"), 1,
            file + " ends inside a record, after 2 whole " + a.unit, kept);
    }

    // Each option given a bad value, and option values that cannot make a
    // run: refused before anything is read or written, so the earlier
    // results stay and no file appears. The --help hint does not name the
    // program first.
    struct Refusal {
        std::string program;
        std::vector<std::string> args;
        std::string message;
        bool try_help = true;
    };
    std::vector<Refusal> refusals;
    const std::string most = "2147483647";
    for (const std::string program : {"crab_spectrum", "pulsar_spectrum", "phone_spectrum"}) {
        refusals.push_back({program, {"--samples", "1"}, "--samples: '1' must be between 2 and " + most});
        refusals.push_back({program, {"--samples=2147483648"},
                            "--samples: '2147483648' must be between 2 and " + most});
        refusals.push_back({program, {"--samples", "many"}, "--samples: 'many' is not a number"});
        refusals.push_back({program, {"--from", "low"}, "--from: 'low' is not a number"});
        refusals.push_back({program, {"--to=inf"}, "--to: 'inf' is not a finite number"});
        refusals.push_back({program, {"--step", "0"}, "--step: '0' must be positive"});
        refusals.push_back({program, {"--step=-0.1"}, "--step: '-0.1' must be positive"});
        refusals.push_back({program, {"--input", ""}, "--input: '' is not a file name"});
        refusals.push_back({program, {"--output", ""}, "--output: '' is not a file name"});
        refusals.push_back({program, {"--from", "5", "--to", "5"},
                            "--to: 5 Hz is not above --from 5 Hz: the grid holds no frequency\n", false});
        refusals.push_back({program, {"--step", "1e-14"},
                            "--step: 1e-14 Hz is too small to advance the frequency near ", false});
    }
    const std::vector<Refusal> others = {
        {"crab_brightness", {"--samples", "0"}, "--samples: '0' must be between 1 and " + most},
        {"crab_brightness", {"--frequency", "0"}, "--frequency: '0' must be positive"},
        {"crab_brightness", {"--frequency", "pulse"}, "--frequency: 'pulse' is not a number"},
        {"crab_brightness", {"--bins", "0"}, "--bins: '0' must be at least 1"},
        {"crab_brightness", {"--bins", "2.5"}, "--bins: '2.5' is not a whole number"},
        {"crab_brightness", {"--input", ""}, "--input: '' is not a file name"},
        {"crab_brightness", {"--output", ""}, "--output: '' is not a file name"},
        {"sawtooth_series", {"--harmonics", "0"}, "--harmonics: '0' must be at least 1"},
        {"sawtooth_series", {"--harmonics", "many"}, "--harmonics: 'many' is not a number"},
        {"sawtooth_series", {"--step", "0"}, "--step: '0' must be positive"},
        {"sawtooth_series", {"--end=-10"}, "--end: '-10' must be positive"},
        {"sawtooth_series", {"--end", "nan"}, "--end: 'nan' is not a finite number"},
        {"sawtooth_series", {"--output-dir", ""}, "--output-dir: '' is not a file name"},
        {"sawtooth_series", {"--step", "1e-17"}, "--step: 1e-17 is too small to advance the time to 10\n", false},
        {"angle_histogram", {"--events", "0"}, "--events: '0' must be at least 1"},
        {"angle_histogram", {"--events", "some"}, "--events: 'some' is not a number"},
        {"angle_histogram", {"--distance", "0"}, "--distance: '0' must be positive"},
        {"angle_histogram", {"--distance", "far"}, "--distance: 'far' is not a number"},
        {"angle_histogram", {"--input", ""}, "--input: '' is not a file name"},
        {"angle_histogram", {"--output", ""}, "--output: '' is not a file name"},
    };
    refusals.insert(refusals.end(), others.begin(), others.end());
    const std::map<std::string, std::vector<std::string>> files_of = {
        {"crab_spectrum", {"Crab.dat", "fcrab.txt"}},
        {"pulsar_spectrum", {"pulsar.dat", "fpulse.txt"}},
        {"phone_spectrum", {"cellphone.dat", "fphone.txt"}},
        {"crab_brightness", {"Crab.dat", "lightcrab.txt"}},
        {"sawtooth_series", {"rmsaw.txt", "saw1.txt", "saw3.txt", "saw5.txt", "saw30.txt"}},
        {"angle_histogram", {"481X2t.txt", "481X2T.txt"}},
    };
    for (const Refusal& r : refusals) {
        std::string fault = "option";
        for (const std::string& arg : r.args)
            fault += " " + (arg.empty() ? "empty" : arg);
        const Files kept = earlier(files_of.at(r.program));
        const std::string err = r.program + ": " + r.message +
                                (r.try_help ? "\nTry '" + r.program + " --help'.\n" : "");
        MatrixCase c{r.program, fault, with(kept, r.args), 1, err, false, r.try_help, kept};
        c.only_kept = true;
        c.out = "^$";
        all_cases.push_back(c);
    }
    add("sawtooth_series", "--output-dir missing", with({}, {"--output-dir", "nowhere"}), 1,
        "sawtooth_series: cannot create nowhere/rmsaw.txt: No such file or directory\n");
    Setup user_output = with({}, {"--output", "mine.txt", "--samples", "all"});
    user_output.files["mine.dat"] = pairs_text(5000);
    user_output.args.insert(user_output.args.end(), {"--input", "mine.dat"});
    user_output.full = {"mine.txt"};
    add("crab_spectrum", "--output on a full disk", user_output, 1,
        "crab_spectrum: cannot write mine.txt: No space left on device\n");
}

void integration_cases()
{
    add_blocked_output("quadrature", "integ.dat");
    auto typed = [](const Content& input) { return Setup{{}, {}, input, {}}; };
    add("pi_series", "standard input empty", typed(text("")), 1, "no number of terms given");
    add("pi_series", "standard input blank", typed(text(" \n\t\n")), 1, "no number of terms given");
    add("pi_series", "text", typed(text("ten\n")), 1, "not a number of terms: ten");
    add("pi_series", "binary garbage", typed(binary_garbage), 1, "not a number of terms: ");
    add("pi_series", "huge word", typed(huge_word), 1, "not a number of terms: xxx");
    add("pi_series", "huge number", typed(text("99999999999\n")), 1,
        "number of terms out of range: 99999999999");
    add("pi_series", "megabyte of digits", typed(huge_number), 1, "number of terms out of range: 777");
    add("pi_series", "negative", typed(text("-5\n")), 0, "");
    add("pi_series", "real number", typed(text("1e6\n")), 1, "not a number of terms: 1e6");
    add("pi_series", "words after the number", typed(text("12 terms\n")), 1,
        "not a number of terms: 12 terms");
    add("pi_series", "digit 9 in octal", typed(text("09\n")), 1, "not a number of terms: 09");
    add("pi_series", "blank lines and blanks around", typed(text("\n \n 0x10 \t\n")), 0, "");

    struct BadOption {
        const char* program;
        std::vector<std::string> args;
        const char* message;
    };
    const BadOption bad_options[] = {
        {"quadrature", {"--step", "abc"}, "quadrature: --step: 'abc' is not a number"},
        {"quadrature", {"--step", "0"}, "quadrature: --step: '0' must be positive"},
        {"quadrature", {"--step=-0.01"}, "quadrature: --step: '-0.01' must be positive"},
        {"quadrature", {"--step", "1e39"}, "quadrature: --step: '1e39' is out of range"},
        {"quadrature", {"--from", "minus six"}, "quadrature: --from: 'minus six' is not a number"},
        {"quadrature", {"--to", "inf"}, "quadrature: --to: 'inf' is not a finite number"},
        {"quadrature", {"--points", "2"}, "quadrature: --points: '2' must be between 3 and 2147483646"},
        {"quadrature", {"--points", "2147483647"},
         "quadrature: --points: '2147483647' must be between 3 and 2147483646"},
        {"quadrature", {"--points", "1e3"}, "quadrature: --points: '1e3' is not a whole number"},
        {"quadrature", {"--output", ""}, "quadrature: --output: '' is not a file name"},
        {"quadrature", {"--step"}, "quadrature: --step: a value is needed"},
        {"e_series", {"--tolerance", "0"}, "e_series: --tolerance: '0' must be positive"},
        {"e_series", {"--tolerance", "tiny"}, "e_series: --tolerance: 'tiny' is not a number"},
        {"e_series", {"--tolerance", "nan"}, "e_series: --tolerance: 'nan' is not a finite number"},
    };
    // Refused before anything is written: an earlier integ.dat stays and no
    // file appears. The "Try" line does not name the program first: noisy.
    const Files kept = earlier({"integ.dat"});
    for (const BadOption& b : bad_options) {
        std::string fault = "option";
        for (const std::string& arg : b.args)
            fault += " " + (arg.empty() ? "empty" : arg);
        const std::string err = std::string(b.message) + "\nTry '" + b.program + " --help'.\n";
        MatrixCase c{b.program, fault, with(kept, b.args), 1, err, false, true, kept};
        c.only_kept = true;
        c.out = "^$";
        all_cases.push_back(c);
    }
    add("quadrature", "--output another name", with(kept, {"--output", "pulse.txt"}), 0, "", kept);
    add_blocked_output("quadrature", "pulse.txt", with({}, {"--output", "pulse.txt"}));
}

void motion_cases()
{
    add_blocked_output("rocket", "rocket.txt");
    add_blocked_output("launch_trajectory", "launch_trajectory.txt");
    add_blocked_output("swing_sim", "pend.dat");
    add_blocked_output("ode_stepper", "ode_stepper.dat");

    // Each option with the reason an out-of-range value is refused; "" where
    // every finite number is a value.
    using Bounds = std::vector<std::pair<std::string, std::string>>;
    const std::string positive = "must be positive";
    const std::string nonnegative = "must be at least 0";
    const Bounds flight = {{"thrust", nonnegative},     {"mass", positive},
                           {"propellant", nonnegative}, {"burn-time", positive},
                           {"body-radius", nonnegative}, {"drag-coefficient", nonnegative},
                           {"earth-mass", nonnegative}, {"earth-radius", positive}};
    struct Stepper {
        std::string program;
        std::string output;
        Bounds options;
        std::string end_time;   // the default duration, as a refused step names it
        bool flies;             // takes the vehicle's and the Earth's options too
    };
    const Stepper steppers[] = {
        {"rocket", "rocket.txt",
         {{"step", positive}, {"duration", positive}, {"angle", ""}, {"speed", positive}, {"x", ""},
          {"y", ""}, {"density", nonnegative}, {"falloff", nonnegative}}, "10", true},
        {"launch_trajectory", "launch_trajectory.txt",
         {{"step", positive}, {"duration", positive}, {"angle", ""}, {"speed", positive}, {"x", ""},
          {"y", ""}, {"density", nonnegative}, {"scale-height", positive}}, "10000", true},
        {"swing_sim", "pend.dat",
         {{"step", positive}, {"duration", positive}, {"angle", ""}, {"angular-velocity", ""},
          {"length", positive}, {"gravity", positive}}, "50", false},
        {"ode_stepper", "ode_stepper.dat",
         {{"step", positive}, {"duration", positive}, {"position", ""}, {"velocity", ""},
          {"spring-constant", positive}, {"mass", positive}}, "50", false},
    };
    for (const Stepper& s : steppers) {
        const Files kept = earlier({s.output});
        // Refused before the output is created: the earlier result survives
        // and no file appears. The --help hint does not name the program first.
        auto refused = [&](const std::string& fault, const std::vector<std::string>& args,
                           const std::string& message, bool try_help) {
            MatrixCase c{s.program, fault, with(kept, args), 1, s.program + ": " + message,
                         false, try_help, kept};
            c.only_kept = true;
            c.out = "^$";
            all_cases.push_back(c);
        };
        const std::string try_help = "\nTry '" + s.program + " --help'.\n";
        Bounds options = s.options;
        if (s.flies)
            options.insert(options.end(), flight.begin(), flight.end());
        for (const auto& [option, why] : options) {
            const std::string name = "--" + option;
            refused(name + " not a number", {name, "fast"}, name + ": 'fast' is not a number" + try_help,
                    true);
            refused(name + " infinite", {name + "=inf"}, name + ": 'inf' is not a finite number" + try_help,
                    true);
            const std::string bad = why == positive ? "0" : "-1";
            if (!why.empty())
                refused(name + " out of range", {name, bad}, name + ": '" + bad + "' " + why + try_help, true);
        }
        refused("--output empty", {"--output", ""}, "--output: '' is not a file name" + try_help, true);
        refused("--output without a value", {"--output"}, "--output: a value is needed" + try_help, true);
        refused("--step lost in the rounding of the time", {"--step", "1e-20"},
                "--step: 1e-20 s is too small to advance the time to " + s.end_time + " s\n", false);
        if (s.flies)
            refused("propellant as heavy as the vehicle", {"--propellant", "15592"},
                    "--propellant: 15592 kg is not less than the lift-off mass of 15592 kg\n", false);
        Setup full = with({}, {"--output", "path.txt"});
        full.full = {"path.txt"};
        add(s.program, "--output on a full disk", full, 1,
            s.program + ": cannot write path.txt: No space left on device\n");
    }
}

void fitting_cases()
{
    struct Fit {
        const char* program;
        const char* grid;
        int needed;
        const char* usage;
    };
    const Fit fits[] = {
        {"meson_lifetime", "piongrid.txt", 13, "usage: meson_lifetime datafile\n"},
        {"lepton_lifetime", "muongrid.txt", 26, "usage: lepton_lifetime datafile\n"},
    };
    for (const Fit& f : fits) {
        // The grid file is made only once the data file has been read whole,
        // so every fault of the data file leaves an earlier one as it was.
        add_counted_input_faults({f.program, "decays.dat", "72 3\n", f.needed, "count-time pairs",
                                  {"decays.dat"}, {f.grid}});
        const Files grid = earlier({f.grid});
        add(f.program, "argument missing", with(grid), 0, f.usage, grid);
        add(f.program, "argument empty", with(grid, {""}), 1, "cannot open : No such file", grid);
        const std::string decays = repeat("72 3\n", f.needed);
        Files files = grid;
        files["decays.dat"] = decays;
        add(f.program, "data file name mistyped", with(files, {"decays31.dat"}), 1,
            "cannot open decays31.dat: No such file or directory", grid);
        files["decays.dat"] = "72 3\n";
        add(f.program, "--records all, one pair", with(files, {"--records", "all", "decays.dat"}), 1,
            "decays.dat holds only 1 of the 2 count-time pairs needed", grid);
        files["decays.dat"] = decays + "72 three\n";
        add(f.program, "--records all, a word after the pairs", with(files, {"--records=all", "decays.dat"}),
            1, "decays.dat: not a number after " + std::to_string(f.needed) + " count-time pairs", grid);
        add_blocked_output(f.program, f.grid, with({{"decays.dat", decays}}, {"decays.dat"}));
        add_blocked_output(f.program, "band.txt",
                           with({{"decays.dat", decays}}, {"--grid", "band.txt", "decays.dat"}));

        // A refused option touches nothing: no grid file is made or emptied.
        Files folder = grid;
        folder["decays.dat"] = decays;
        const std::string program = f.program;
        auto refused = [&](const std::vector<std::string>& option, const std::string& why) {
            std::vector<std::string> args = option;
            args.push_back("decays.dat");
            // The "Try" line does not name the program first: noisy.
            MatrixCase c{program, option[0] + " " + option[1], with(folder, args), 1,
                         program + ": " + why + "\nTry '" + program + " --help'.\n", false, true, folder};
            c.only_kept = true;
            c.out = "^$";
            all_cases.push_back(c);
        };
        refused({"--records", "many"}, "--records: 'many' is not a number");
        refused({"--records", "2.5"}, "--records: '2.5' is not a whole number");
        refused({"--records", "1"}, "--records: '1' must be at least 2");
        refused({"--time-unit", "ns"}, "--time-unit: 'ns' is not a number");
        refused({"--time-unit", "0"}, "--time-unit: '0' must be positive");
        refused({"--n0-step", "-0.1"}, "--n0-step: '-0.1' must be positive");
        refused({"--tau-first", "0"}, "--tau-first: '0' must be positive");
        refused({"--tau-step", "nan"}, "--tau-step: 'nan' is not a finite number");
        refused({"--points", "0"}, "--points: '0' must be at least 1");
        refused({"--points", "1e3"}, "--points: '1e3' is not a whole number");
        refused({"--band-low", "low"}, "--band-low: 'low' is not a number");
        refused({"--band-high", "inf"}, "--band-high: 'inf' is not a finite number");
        refused({"--grid", ""}, "--grid: '' is not a file name");
        MatrixCase no_value{program, "--grid at the end", with(folder, {"decays.dat", "--grid"}), 1,
                            program + ": --grid: a value is needed\n", false, true, folder};
        no_value.only_kept = true;
        no_value.out = "^$";
        all_cases.push_back(no_value);
    }
}

void montecarlo_cases()
{
    // Refused before anything is written: earlier results stay, no file
    // appears, nothing is printed. The --help hint does not name the program
    // first: noisy.
    auto refused = [](const std::string& program, const std::string& fault, const std::vector<std::string>& args,
                      const std::string& message, const std::vector<std::string>& outputs = {},
                      bool try_help = true) {
        const Files kept = earlier(outputs);
        const std::string end = try_help ? "\nTry '" + program + " --help'.\n" : "\n";
        MatrixCase c{program, fault, with(kept, args), 1, program + ": " + message + end, false, try_help, kept};
        c.only_kept = true;
        c.out = "^$";
        all_cases.push_back(c);
    };
    const std::string not_a_number = "' is not a number";
    const std::string not_whole = "' is not a whole number";
    const std::string not_finite = "' is not a finite number";
    const std::string not_a_count = "' must be between 0 and 2147483647";

    refused("ball_volume", "--samples 0", {"--samples", "0"}, "--samples: '0' must be at least 1");
    refused("ball_volume", "--samples not a number", {"--samples=many"}, "--samples: 'many" + not_a_number);
    refused("ball_volume", "--dimensions 0", {"--dimensions", "0"}, "--dimensions: '0' must be between 1 and 341");
    refused("ball_volume", "--dimensions past the closed form", {"--dimensions=342"},
            "--dimensions: '342' must be between 1 and 341");
    refused("ball_volume", "--seed not whole", {"--seed", "1.5"}, "--seed: '1.5" + not_whole);

    const std::string dimension_usage = "usage: dimension_volume [NDIM][NMAX]\n";
    add("dimension_volume", "arguments missing", with({}), 0, dimension_usage);
    add("dimension_volume", "second argument missing", with({}, {"3"}), 0, dimension_usage);
    refused("dimension_volume", "non-numeric", {"three", "many"}, "NDIM: 'three" + not_a_number);
    refused("dimension_volume", "negative", {"-3", "-10"}, "NDIM: '-3" + not_a_count);
    refused("dimension_volume", "huge", {"99999999999999999999", "99999999999999999999"},
            "NDIM: '99999999999999999999" + not_a_count);
    refused("dimension_volume", "sample count in exponent form", {"3", "1e6"}, "NMAX: '1e6" + not_whole);
    refused("dimension_volume", "negative sample count", {"3", "-5"}, "NMAX: '-5" + not_a_count);
    refused("dimension_volume", "--seed not a number", {"--seed", "x", "3", "10"}, "--seed: 'x" + not_a_number);
    add("dimension_volume", "dimension past any table", with({}, {"20000", "10"}), 0, "");

    // The decay programs share the time grid's options.
    for (const char* program : {"half_life_sim", "carbon_chain"}) {
        refused(program, "--seed not a number", {"--seed=x", "1", "1", "1"}, "--seed: 'x" + not_a_number);
        refused(program, "--step 0", {"--step", "0", "1", "1", "1"}, "--step: '0' must be positive");
        refused(program, "--bin-width negative", {"--bin-width=-1", "1", "1", "1"},
                "--bin-width: '-1' must be positive");
        refused(program, "--duration infinite", {"--duration=inf", "1", "1", "1"}, "--duration: 'inf" + not_finite);
        refused(program, "--bin-width shorter than the step", {"--bin-width", "0.05", "1", "1", "1"},
                "--bin-width: 0.05 is shorter than the step 0.1", {}, false);
        refused(program, "--step lost in the rounding of the time", {"--duration=1e17", "--step=1", "1", "1", "1"},
                "--step: 1 is too small to advance the time to 1e+17 (at least 16)", {}, false);
    }
    const std::string half_life_usage = "usage: half_life_sim [Natoms][Half-life]\n";
    add("half_life_sim", "arguments missing", with({}), 0, half_life_usage);
    add("half_life_sim", "half-life missing", with({}, {"100"}), 0, half_life_usage);
    refused("half_life_sim", "non-numeric", {"many", "long"}, "Natoms: 'many" + not_a_number);
    refused("half_life_sim", "non-numeric half-life", {"100", "long"}, "Half-life: 'long" + not_a_number);
    refused("half_life_sim", "count in exponent form", {"1e3", "5"}, "Natoms: '1e3" + not_whole);
    add("half_life_sim", "negative", with({}, {"-100", "-5"}), 0, "");
    add("half_life_sim", "huge count", with({}, {"99999999999", "10"}), 1,
        "atom count 99999999999 is not between");
    refused("half_life_sim", "huge half-life", {"10", "1e999"}, "Half-life: '1e999" + not_finite);

    const std::string chain_usage = "Input: #C12, #C11, #C10\n";
    add("carbon_chain", "arguments missing", with({}), 0, chain_usage);
    add("carbon_chain", "third count missing", with({}, {"1", "2"}), 0, chain_usage);
    refused("carbon_chain", "non-numeric", {"a", "b", "c"}, "C12: 'a" + not_a_number);
    refused("carbon_chain", "fraction of an atom", {"1", "2.5", "3"}, "C11: '2.5" + not_whole);
    refused("carbon_chain", "--c11-lifetime 0", {"--c11-lifetime", "0", "1", "1", "1"},
            "--c11-lifetime: '0' must be positive");
    refused("carbon_chain", "--c10-lifetime not a number", {"--c10-lifetime=short", "1", "1", "1"},
            "--c10-lifetime: 'short" + not_a_number);
    add("carbon_chain", "negative", with({}, {"10", "-5", "10"}), 1,
        "atom count -5 is not between 0 and 2147483647");
    add("carbon_chain", "huge", with({}, {"10", "99999999999", "10"}), 1,
        "atom count 99999999999 is not between 0 and 2147483647");
    add("carbon_chain", "huge together", with({}, {"2147483647", "1", "0"}), 1,
        "atoms are more than 2147483647");

    add_blocked_output("pond_sphere", "pond3.dat");
    add_blocked_output("pond_sphere", "mine.dat", with({}, {"--output", "mine.dat"}));
    const std::vector<std::string> pond = {"pond3.dat"};
    refused("pond_sphere", "--samples 0", {"--samples", "0"}, "--samples: '0' must be at least 1", pond);
    refused("pond_sphere", "--samples in exponent form", {"--samples=1e5"}, "--samples: '1e5" + not_whole, pond);
    refused("pond_sphere", "--seed not a number", {"--seed", "abc"}, "--seed: 'abc" + not_a_number, pond);
    refused("pond_sphere", "--output empty", {"--output", ""}, "--output: '' is not a file name", pond);

    const std::vector<std::string> walk_files[] = {{"walk3d.dat", "walkpath3d.dat"}, {"walk2d.dat", "walkpath2d.dat"}};
    for (const char* program : {"wander_space", "wander_plane"}) {
        const std::vector<std::string>& outputs = walk_files[program == std::string("wander_plane")];
        refused(program, "non-numeric seed", {"seed"}, "seed: 'seed" + not_a_number, outputs);
        add_noisy(program, "negative seed", with({}, {"-7"}), 0, "Using user seed= -7\n");
        refused(program, "huge seed", {"99999999999999999999"},
                "seed: '99999999999999999999' must be between -2147483648 and 2147483647", outputs);
        refused(program, "seed in exponent form", {"1e9"}, "seed: '1e9" + not_whole, outputs);
        refused(program, "--seed beyond int", {"--seed", "99999999999"}, "--seed: '99999999999' is out of range",
                outputs);
        refused(program, "--steps 0", {"--steps=0"}, "--steps: '0' must be at least 1", outputs);
        refused(program, "--walks not a number", {"--walks", "many"}, "--walks: 'many" + not_a_number, outputs);
        refused(program, "--output-dir empty", {"--output-dir="}, "--output-dir: '' is not a file name", outputs);
        add_noisy(program, "--output-dir missing", with({}, {"--output-dir", "nowhere"}), 1,
                  std::string(program) + ": cannot create nowhere/" + outputs[0] + ": No such file or directory\n");
    }
    for (const char* output : {"walk3d.dat", "walkpath3d.dat"})
        add_blocked_output("wander_space", output, {}, true);
    for (const char* output : {"walk2d.dat", "walkpath2d.dat"})
        add_blocked_output("wander_plane", output, {}, true);
}

std::string more_rides_than_the_table()
{
    std::string s;
    for (int ride = 1; ride <= 1001; ++ride)
        s += std::to_string(ride) + "\t2014-04-01T10:00:00+00:00\t0\t0\n";
    return s;
}

void trips_cases()
{
    const std::string uber = trip_fix + trip_fix_later;
    add_record_input_faults({"trip_frequency", "uber.tsv", trip_fix, {{"rides.txt", velocity_line}}, "", {}});
    add_record_input_faults({"trip_frequency", "rides.txt", velocity_line, {{"uber.tsv", uber}}, "", {}});
    add_noisy("trip_frequency", "rides.txt a distance list",
              with({{"uber.tsv", uber}, {"rides.txt", "Ride # 0:  50.000000 meters \n"}}), 0,
              "rides.txt holds no velocities");
    for (const char* program : {"trip_speed_sort", "trip_lengths"}) {
        add_record_input_faults({program, "uber.tsv", trip_fix, {}, "\n", {"rides.txt"}});
        add_blocked_output(program, "rides.txt", with({{"uber.tsv", uber}}, {}, "\n"));
    }
    add("trip_speed_sort", "standard input empty", with({{"uber.tsv", uber}}), 0, "");
    add_noisy("trip_lengths", "more rides than the table", with({{"uber.tsv", more_rides_than_the_table()}}),
              0, "uber.tsv holds 1001 rides; only the first 1000 are kept\n");

    add_leg_file_faults(legs, "leg1.txt", 3);
    add_leg_file_faults(legs, "leg2.txt", 9);
    add_leg_file_faults(legs, "leg3.txt", 3);
    Files long_name = legs;
    long_name["leg2.txt"] = "a_city_name_of_twenty chicago 1\n" + legs.at("leg2.txt");
    add_noisy("cheapest_route", "leg2.txt name longer than its table", with(long_name), 0,
              "leg2.txt: skipped 1 malformed line\n");

    // Named files that are not there are named; earlier results stay.
    const Files rides = earlier({"rides.txt"});
    add("trip_lengths", "--trips names a missing file", with(rides, {"--trips", "day.tsv"}), 1,
        "trip_lengths: cannot open day.tsv: No such file or directory\n", rides);
    add("trip_frequency", "--rides names a missing file", with({{"uber.tsv", uber}}, {"--rides=speeds.txt"}), 1,
        "trip_frequency: cannot open speeds.txt: No such file or directory\n");
    add("cheapest_route", "--leg2 names a missing file", with(legs, {"--leg2", "routes.txt"}), 1,
        "cheapest_route: cannot open routes.txt: No such file or directory\n");
    add("cheapest_route", "--legs1 above the legs of leg1.txt", with(legs, {"--legs1", "4"}), 1,
        "cheapest_route: leg1.txt holds only 3 of the 4 legs needed\n");
    add("trip_frequency", "--top-velocity below --bands",
        with({{"uber.tsv", uber}, {"rides.txt", velocity_line}}, {"--top-velocity", "9"}), 1,
        "trip_frequency: --top-velocity: '9' must be at least --bands (10)\n");

    // A refused option value touches nothing: the inputs and an earlier
    // rides.txt stay as they were and no file appears. The "Try" line does
    // not name the program first: noisy.
    struct Refusal {
        const char* program;
        std::vector<std::string> args;
        const char* why;
    };
    const Refusal refusals[] = {
        {"trip_frequency", {"--trips", ""}, "--trips: '' is not a file name"},
        {"trip_frequency", {"--rides", ""}, "--rides: '' is not a file name"},
        {"trip_frequency", {"--top-velocity", "fast"}, "--top-velocity: 'fast' is not a number"},
        {"trip_frequency", {"--top-velocity", "4.5"}, "--top-velocity: '4.5' is not a whole number"},
        {"trip_frequency", {"--top-velocity", "0"}, "--top-velocity: '0' must be between 1 and 1000000000"},
        {"trip_frequency", {"--bands", "0"}, "--bands: '0' must be between 1 and 1000000"},
        {"trip_frequency", {"--bands", "all"}, "--bands: 'all' is not a number"},
        {"trip_speed_sort", {"--trips", ""}, "--trips: '' is not a file name"},
        {"trip_speed_sort", {"--rides", ""}, "--rides: '' is not a file name"},
        {"trip_speed_sort", {"--max-rides", "0"}, "--max-rides: '0' must be at least 1"},
        {"trip_speed_sort", {"--max-rides", "many"}, "--max-rides: 'many' is not a number"},
        {"trip_speed_sort", {"--max-rides"}, "--max-rides: a value is needed"},
        {"trip_lengths", {"--trips", ""}, "--trips: '' is not a file name"},
        {"trip_lengths", {"--output", ""}, "--output: '' is not a file name"},
        {"trip_lengths", {"--max-rides", "-3"}, "--max-rides: '-3' must be at least 1"},
        {"trip_lengths", {"--max-rides", "1e3"}, "--max-rides: '1e3' is not a whole number"},
        {"cheapest_route", {"--leg1", ""}, "--leg1: '' is not a file name"},
        {"cheapest_route", {"--leg2", ""}, "--leg2: '' is not a file name"},
        {"cheapest_route", {"--leg3", ""}, "--leg3: '' is not a file name"},
        {"cheapest_route", {"--legs1", "0"}, "--legs1: '0' must be at least 1"},
        {"cheapest_route", {"--legs2", "nine"}, "--legs2: 'nine' is not a number"},
        {"cheapest_route", {"--legs3", "2.5"}, "--legs3: '2.5' is not a whole number"},
        {"cheapest_route", {"--leg-name-max", "0"}, "--leg-name-max: '0' must be at least 1"},
        {"cheapest_route", {"--route-name-max", "all"}, "--route-name-max: 'all' is not a number"},
        {"cheapest_route", {"--cost-ceiling", "1e5"}, "--cost-ceiling: '1e5' is not a whole number"},
        {"cheapest_route", {"--cost-ceiling", "99999999999999999999"},
         "--cost-ceiling: '99999999999999999999' is out of range"},
    };
    Files folder = legs;
    folder["uber.tsv"] = uber;
    folder["rides.txt"] = velocity_line;
    for (const Refusal& r : refusals) {
        std::string fault = "option";
        for (const std::string& arg : r.args)
            fault += " " + (arg.empty() ? "empty" : arg);
        MatrixCase c{r.program, fault, with(folder, r.args, "\n"), 1, std::string(r.program) + ": " + r.why,
                     false, true, folder};
        c.only_kept = true;
        c.out = "^$";
        all_cases.push_back(c);
    }
}

void accounts_cases()
{
    auto typed = [](const Content& input) { return Setup{{}, {}, input, {}}; };
    add("account_summary", "standard input empty", typed(text("")), 1,
        "end of input before the account holder");
    add("account_summary", "input ends before the balance", typed(text("Ada")), 1,
        "end of input before the account balance");
    add("account_summary", "input ends before the type", typed(text("Ada 12.5")), 1,
        "end of input before the account type");
    add("account_summary", "input ends before the last answers", typed(text("Ada 12.5 s")), 0, "");
    add("account_summary", "text for the balance", typed(text("Ada plenty s\n")), 1,
        "the account balance is not a number");
    add("account_summary", "binary garbage", typed(binary_garbage), 1, "account_summary: ");
    add("account_summary", "huge holder name", typed([] { return huge_word() + " 12.5 s y s\n"; }), 0, "");
    add("account_summary", "huge and negative balances",
        typed(text("Ada 1e999 s n Ben -1e999 c n Cleo -5 c y s\n")), 0, "");
    for (const char* blocked : {"account_summary.txt", "list_of_account_balances.txt"})
        add_noisy("account_summary", std::string(blocked) + " blocked by a directory",
                  with({}, {}, "Ada 12.5 s y f\n", {blocked}), 1,
                  "account_summary: cannot create " + std::string(blocked) + ": Is a directory\n");
    add("account_summary", "--output-dir missing", with({}, {"--output-dir", "nowhere"}, "Ada 12.5 s y f\n"), 1,
        "account_summary: cannot create nowhere/list_of_account_balances.txt: No such file or directory\n");

    // A bad option value is refused before any answer is read: the earlier
    // summary files stay as they were and no file appears.
    auto refused = [](const std::string& program, const std::vector<std::string>& args,
                      const std::string& why, const std::string& input, const Files& kept) {
        const std::string fault = args[0] + " " + (args[1].empty() ? "empty" : args[1]);
        MatrixCase c{program, fault, with(kept, args, input), 1,
                     program + ": " + args[0] + ": '" + args[1] + "' " + why, false, true, kept};
        c.only_kept = true;
        c.out = "^$";
        all_cases.push_back(c);
    };
    const Files summaries = earlier({"account_summary.txt", "list_of_account_balances.txt"});
    const std::vector<std::pair<std::vector<std::string>, std::string>> summary_refusals = {
        {{"--fee", "free"}, "is not a number"},
        {{"--fee", "-35"}, "must be at least 0"},
        {{"--fee", "35.5"}, "is not a whole number"},
        {{"--fee", "99999999999"}, "is out of range"},
        {{"--saving-minimum", "lots"}, "is not a number"},
        {{"--checking-minimum", "1e999"}, "is not a finite number"},
        {{"--checking-minimum", "1e39"}, "is out of range"},
        {{"--listed", "-1"}, "must be at least 0"},
        {{"--listed", "some"}, "is not a number"},
        {{"--output-dir", ""}, "is not a file name"},
        {{"--summary", ""}, "is not a file name"},
        {{"--balance-list", ""}, "is not a file name"},
    };
    for (const auto& [args, why] : summary_refusals)
        refused("account_summary", args, why, "Ada 12.5 s y f\n", summaries);

    add("fee_check", "standard input empty", typed(text("")), 1, "end of input before the account type");
    add("fee_check", "input ends before the balance", typed(text("c")), 1,
        "end of input before the account balance");
    add("fee_check", "text for the balance", typed(text("c\nplenty\n")), 1,
        "the account balance is not a number");
    add("fee_check", "binary garbage", typed(binary_garbage), 0, "");
    add("fee_check", "huge balance", typed([] { return "s" + huge_number(); }), 0, "");
    add("fee_check", "negative balance", typed(text("s-1e999")), 0, "");
    refused("fee_check", {"--saving-minimum", "much"}, "is not a number", "s\n12\n", {});
    refused("fee_check", {"--checking-minimum", ""}, "is not a number", "c\n12\n", {});
    refused("fee_check", {"--checking-minimum", "-1e999"}, "is not a finite number", "c\n12\n", {});
}

void terminal_cases()
{
    for (const char* program : {"chase_game", "display"}) {
        add(program, "standard input empty", with({}), 0, "");
        add(program, "binary garbage keys", Setup{{}, {}, binary_garbage, {}}, 0, "");
        add(program, "long key run without q", with({}, {}, repeat("wasdsf", 700)), 0, "");
    }
    // A bad seed is refused before the terminal is touched or a key read.
    const std::vector<std::pair<std::string, std::string>> bad_seeds = {
        {"soon", "is not a number"},
        {"", "is not a number"},
        {"-1", "must be between 0 and 4294967295"},
        {"4294967296", "must be between 0 and 4294967295"},
        {"1.5", "is not a whole number"},
    };
    for (const auto& [seed, why] : bad_seeds) {
        MatrixCase c{"chase_game", "--seed " + (seed.empty() ? "empty" : seed), with({}, {"--seed", seed}, "dq"), 1,
                     "chase_game: --seed: '" + seed + "' " + why + "\nTry 'chase_game --help'.\n", false, true, {}};
        c.only_kept = true;
        c.out = "^$";
        all_cases.push_back(c);
    }
}

void sample_data_cases()
{
    add("make_sample_data", "directory is a file", with({{"out", ""}}, {"out"}), 1,
        "make_sample_data: cannot create out/");
    add_noisy("make_sample_data", "output file blocked by a directory",
              with({}, {"out"}, "", {"out", "out/Crab.dat"}), 1,
              "make_sample_data: cannot create out/Crab.dat: Is a directory\n");
}

// A well-formed run of a program: what it is given and what it writes.
struct WellFormed {
    std::string program;
    std::string usage;                       // its usage line
    std::map<std::string, Content> inputs;
    std::vector<std::string> args = {};
    std::string input = "";                  // standard input
    std::vector<std::string> outputs = {};   // as the program names them
    bool prints = true;                      // writes to standard output
    bool notes = false;                      // writes notes to standard error
    std::string shown = "";                  // what messages put before an output's name
};

// A text as a pattern that matches just it.
std::string literal(const std::string& s)
{
    return std::regex_replace(s, std::regex(R"([\^$.|?*+()\[\]{}])"), R"(\$&)");
}

// Every output file on a full disk, then standard output of a program that
// prints: a lost write is an error naming what was lost. --help, --version and
// a stray argument touch no file: the folder comes out exactly as it went in.
void add_output_faults(const WellFormed& w)
{
    const std::string no_space = ": No space left on device\n";
    auto add_run = [&](const std::string& fault, const Setup& s, int status, const std::string& err) {
        if (w.notes)
            add_noisy(w.program, fault, s, status, err);
        else
            add(w.program, fault, s, status, err);
    };
    const Setup run{w.inputs, w.args, text(w.input), {}};
    for (const std::string& output : w.outputs) {
        Setup s = run;
        s.full = {output};
        add_run(output + " on a full disk", s, 1, w.program + ": cannot write " + w.shown + output + no_space);
    }
    if (w.prints) {
        Setup s = run;
        s.output_full = true;
        add_run("standard output on a full disk", s, 1,
                w.program + ": write error on standard output" + no_space);
    }

    Files kept = earlier(w.outputs);
    for (const auto& input : w.inputs)
        kept[input.first] = earlier_result;
    auto add_untouched = [&](const std::string& fault, const std::vector<std::string>& args,
                             int status, const std::string& err, const std::string& out) {
        // A refusal's usage line does not name the program first: noisy.
        MatrixCase c{w.program, fault, with(kept, args, "keys\n"), status, err, err.empty(), status != 0, kept};
        c.only_kept = true;
        c.out = out;
        all_cases.push_back(c);
    };
    const std::string usage = literal(w.usage) + "\n";
    add_untouched("--help", {"--help"}, 0, "", usage + "([^\n]*\n)+" + literal("See " + w.program + "(1phys).\n"));
    add_untouched("-h", {"-h"}, 0, "", usage + "([^\n]*\n)+" + literal("See " + w.program + "(1phys).\n"));
    const std::string try_help = "Try '" + w.program + " --help'.\n";
    add_untouched("unknown option", {"--bogus"}, 1, w.program + ": unknown option '--bogus'\n" + try_help, "");
    MatrixCase defaults{w.program, "every default given explicitly", run, 0, "", false, true, {}};
    defaults.explicit_defaults = true;
    all_cases.push_back(defaults);
    add_untouched("--version", {"--version"}, 0, "", literal(w.program + " (physics suite) " SUITE_VERSION "\n"));
    if (w.args.empty())
        add_untouched("stray argument", {"extra"}, 1,
                      w.program + ": unexpected argument 'extra'\n" + w.usage + "\n", "");
    else
        add_untouched("--help after an argument", {w.args[0], "--help"}, 0, "", usage + "[\\s\\S]*");
}

void output_cases()
{
    const Content event_pairs = text(repeat(pair_event, 100));
    const std::string uber = trip_fix + trip_fix_later;
    std::map<std::string, Content> leg_files;
    for (const auto& [name, content] : legs)
        leg_files[name] = text(content);
    const std::string meson_data =
        "46.2981 2\n39.6961 6\n34.0356 10\n29.1823 14\n25.021 18\n21.4531 22\n18.394 26\n"
        "15.7711 30\n13.5222 34\n11.594 38\n9.94071 42\n8.5232 46\n7.30783 50\n";
    const std::string lepton_data = "94 0.2 93 0.6 80 1 62 1.4 42 1.8 46 2.2 29 2.6 35 3 33 3.4 "
                                    "13 3.8 24 4.2 14 4.6 14 5 9 5.4 9 5.8 3 6.2 4 6.6 5 7 7 7.4 "
                                    "3 7.8 4 8.2 5 8.6 1 9 3 9.4 0 9.8 2 10.2\n";
    const std::vector<std::string> samples = {"Crab.dat", "pulsar.dat", "cellphone.dat", "481X2t.txt",
                                              "pion.dat", "muon.dat",   "uber.tsv",      "leg1.txt",
                                              "leg2.txt", "leg3.txt"};

    const WellFormed programs[] = {
        {"crab_spectrum", "usage: crab_spectrum", {{"Crab.dat", pairs_text(148282)}}, {}, "", {"fcrab.txt"}},
        {"pulsar_spectrum", "usage: pulsar_spectrum", {{"pulsar.dat", pairs_text(100001)}}, {}, "",
         {"fpulse.txt"}, false},
        {"phone_spectrum", "usage: phone_spectrum", {{"cellphone.dat", pairs_text(120001)}}, {}, "",
         {"fphone.txt"}},
        {"crab_brightness", "usage: crab_brightness", {{"Crab.dat", pairs_text(148282)}}, {}, "",
         {"lightcrab.txt"}},
        {"sawtooth_series", "usage: sawtooth_series", {}, {}, "",
         {"rmsaw.txt", "saw1.txt", "saw3.txt", "saw5.txt", "saw30.txt"}, false},
        {"angle_histogram", "usage: angle_histogram", {{"481X2t.txt", event_pairs}}, {}, "", {"481X2T.txt"},
         false},
        {"quadrature", "usage: quadrature", {}, {}, "", {"integ.dat"}},
        {"pi_series", "usage: pi_series", {}, {}, "10\n"},
        {"e_series", "usage: e_series", {}},
        {"rocket", "usage: rocket", {}, {}, "", {"rocket.txt"}},
        {"launch_trajectory", "usage: launch_trajectory", {}, {}, "", {"launch_trajectory.txt"}, false},
        {"swing_sim", "usage: swing_sim", {}, {}, "", {"pend.dat"}, false},
        {"ode_stepper", "usage: ode_stepper", {}, {}, "", {"ode_stepper.dat"}, false},
        {"meson_lifetime", "usage: meson_lifetime datafile", {{"decays.dat", text(meson_data)}},
         {"decays.dat"}, "", {"piongrid.txt"}},
        {"lepton_lifetime", "usage: lepton_lifetime datafile", {{"decays.dat", text(lepton_data)}},
         {"decays.dat"}, "", {"muongrid.txt"}},
        {"ball_volume", "usage: ball_volume", {}},
        {"dimension_volume", "usage: dimension_volume [NDIM][NMAX]", {}, {"3", "1000"}},
        {"pond_sphere", "usage: pond_sphere", {}, {}, "", {"pond3.dat"}, true, true},
        {"wander_space", "usage: wander_space [seed]", {}, {"7"}, "", {"walk3d.dat", "walkpath3d.dat"},
         false, true},
        {"wander_plane", "usage: wander_plane [seed]", {}, {"7"}, "", {"walk2d.dat", "walkpath2d.dat"},
         false, true},
        {"carbon_chain", "usage: carbon_chain C12 C11 C10", {}, {"10", "10", "10"}},
        {"half_life_sim", "usage: half_life_sim [Natoms][Half-life]", {}, {"10", "100"}},
        {"trip_frequency", "usage: trip_frequency", {{"uber.tsv", text(uber)}, {"rides.txt", text(velocity_line)}}},
        {"trip_speed_sort", "usage: trip_speed_sort", {{"uber.tsv", text(uber)}}, {}, "\n", {"rides.txt"}},
        {"trip_lengths", "usage: trip_lengths", {{"uber.tsv", text(uber)}}, {}, "", {"rides.txt"}, false},
        {"cheapest_route", "usage: cheapest_route", leg_files},
        {"account_summary", "usage: account_summary", {}, {}, "Ada 12.5 s y f\n",
         {"account_summary.txt", "list_of_account_balances.txt"}},
        {"fee_check", "usage: fee_check", {}, {}, "c\n12\n"},
        {"chase_game", "usage: chase_game", {}, {}, "dq"},
        {"display", "usage: display", {}, {}, "sq"},
        {"face_banner", "usage: face_banner", {}},
        {"make_sample_data", "usage: make_sample_data [DIR]", {}, {"."}, "", samples, false, false, "./"},
    };
    for (const WellFormed& w : programs)
        add_output_faults(w);
}

// The one command on the PATH: a program named to it runs with its arguments,
// standard input and exit status untouched; anything else it refuses,
// touching nothing. Its list names every built program.
void dispatcher_cases()
{
    const std::string suite = "physics-suite";
    const Files own{{"notes.txt", "the user's own\n"}};
    auto untouched = [&](const std::string& fault, const Setup& setup, int status, const std::string& err,
                         const std::string& out, bool noisy) {
        MatrixCase c{suite, fault, setup, status, err, err.empty(), noisy, own};
        c.only_kept = true;
        c.out = out;
        all_cases.push_back(c);
    };
    char bin[PATH_MAX];
    const std::string bin_dir = realpath(program_path("").c_str(), bin) != nullptr ? bin : "";
    std::string listing;
    if (DIR* d = opendir(bin_dir.c_str())) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.' && e->d_name != suite)
                listing += "(?=[\\s\\S]*\n  " + literal(e->d_name) + " +[^ \n][^\n]*\n)";
        closedir(d);
    }
    listing += "([A-Z][A-Za-z ]+\n(  [a-z_]+ +[^\n]+\n)+\n?)+";
    const std::string usage = "usage: physics-suite PROGRAM [ARGUMENT...]\n";
    const std::string refused = "physics-suite: no program '";
    const std::string see_list = "'; see 'physics-suite --list'\n";

    untouched("no arguments", with(own), 0, "", listing, false);
    untouched("--list", with(own, {"--list"}), 0, "", listing, false);
#ifdef SUITE_EMULATED
    untouched("--path", with(own, {"--path"}), 0, "", "/[^\n]*\n", false);
#else
    untouched("--path", with(own, {"--path"}), 0, "", literal(bin_dir) + "\n", false);
#endif
    untouched("--help", with(own, {"--help", "crab_spectrum"}), 0, "",
              literal(usage) + "([^\n]*\n)+" + literal("See physics-suite(1).\n"), false);
    untouched("--version", with(own, {"--version"}), 0, "",
              literal(suite + " (physics suite) " SUITE_VERSION "\n"), false);
    untouched("unknown program", with(own, {"bogus", "--help"}), 1, refused + "bogus" + see_list, "", false);
    untouched("a path for a program", with(own, {"/bin/sh"}), 1, refused + "/bin/sh" + see_list, "", false);
    untouched("unknown option", with(own, {"--bogus", "crab_spectrum"}), 1,
              "physics-suite: unknown option '--bogus'\nTry 'physics-suite --help'.\n", "", true);
    untouched("argument after --list", with(own, {"--list", "extra"}), 1,
              "physics-suite: unexpected argument 'extra'\n" + usage, "", true);
    Setup full = with(own, {"--list"});
    full.output_full = true;
    add(suite, "--list on a full disk", full, 1,
        "physics-suite: write error on standard output: No space left on device\n");
#ifndef SUITE_EMULATED
    untouched("a program's own --help", with(own, {"crab_spectrum", "--help"}), 0, "",
              "usage: crab_spectrum[^\n]*\n([^\n]*\n)+See crab_spectrum\\(1[a-z]*\\)\\.\n", false);
    untouched("a program's own --version", with(own, {"--", "make_sample_data", "--version"}), 0, "",
              literal("make_sample_data (physics suite) " SUITE_VERSION "\n"), false);
    untouched("standard input passed on", with(own, {"fee_check"}, "c\n12\n"), 0, "",
              "[\\s\\S]*A minimum balance fee needs to be charged to this account\\.\n", false);
    add_noisy(suite, "exit status passed on", with(own, {"meson_lifetime", "missing.dat"}), 1,
              "meson_lifetime: cannot open missing.dat: No such file or directory\n");
#endif
}

// The demo given a folder of the user's (here the run's own folder, which
// holds a file of the user's): it stops at once and deletes nothing.
void demo_cases()
{
    const Files own{{"thesis.tex", "the user's own\n"}};
    MatrixCase c{SUITE_SOURCE_DIR "/demo/run_demo.sh", "a folder of the user's",
                 with(own, {program_path("") + "..", "."}), 1,
                 "run_demo.sh: . is not empty and was not made by the demo\n", false, true, own};
    c.only_kept = true;
    all_cases.push_back(c);
}

const std::vector<MatrixCase>& matrix()
{
    if (all_cases.empty()) {
        spectral_cases();
        integration_cases();
        motion_cases();
        fitting_cases();
        montecarlo_cases();
        trips_cases();
        accounts_cases();
        terminal_cases();
        sample_data_cases();
        output_cases();
        dispatcher_cases();
        demo_cases();
    }
    return all_cases;
}

ProgramCase program_case(const Setup& setup)
{
    ProgramCase c;
    for (const auto& [name, content] : setup.files)
        c.files[name] = content();
    c.args = setup.args;
    c.input = setup.input();
    c.dirs = setup.dirs;
    c.full = setup.full;
    c.output_full = setup.output_full;
    c.timeout_s = case_timeout_s;
    return c;
}

// Every option with the default its --help shows, as --name=VALUE; empty
// when a default is not a value ("the clock"): such a run cannot be repeated.
std::vector<std::string> explicit_defaults(const std::string& program, bool& repeatable)
{
    ProgramCase help_case;
    help_case.args = {"--help"};
    const std::string help = run_program(program, help_case).out;
    std::vector<std::string> args;
    const std::regex option(R"(^  --([a-z0-9-]+)=\S+ .*\(default([: ])([^;)]*)[;)])");
    repeatable = true;
    for (const std::string& line : split_lines(help)) {
        std::smatch m;
        if (!std::regex_search(line, m, option))
            continue;
        if (m[2] == ":")
            repeatable = false;
        else
            args.push_back("--" + m[1].str() + "=" + m[3].str());
    }
    return args;
}

// The run with every default given explicitly prints and writes what the
// run without options does.
void check_explicit_defaults(const MatrixCase& c)
{
#ifdef __SANITIZE_ADDRESS__
    // Two full-size transforms take minutes in the sanitizer build; the
    // release build runs them.
    if (c.program.size() > 9 && c.program.compare(c.program.size() - 9, 9, "_spectrum") == 0)
        GTEST_SKIP() << "full-size spectrum twice: left to the release build";
#endif
    bool repeatable = true;
    Setup given = c.setup;
    const std::vector<std::string> defaults = explicit_defaults(c.program, repeatable);
    if (!repeatable)
        return;
    given.args.insert(given.args.begin(), defaults.begin(), defaults.end());
    const ProgramRun plain = run_program(c.program, program_case(c.setup));
    const ProgramRun explicit_run = run_program(c.program, program_case(given));
    EXPECT_EQ(plain.status, explicit_run.status);
    EXPECT_EQ(plain.out, explicit_run.out);
    EXPECT_EQ(plain.err, explicit_run.err);
    EXPECT_EQ(plain.files, explicit_run.files) << testing::PrintToString(defaults);
}

void check(const MatrixCase& c)
{
    if (c.explicit_defaults)
        return check_explicit_defaults(c);
    const ProgramRun run = run_program(c.program, program_case(c.setup));
    ASSERT_FALSE(run.timed_out);
    ASSERT_FALSE(run.signaled) << "status " << run.status << "\n" << run.err.substr(0, 2000);
    EXPECT_EQ(run.status, c.status) << run.err.substr(0, 2000);
    if (c.empty_err)
        EXPECT_EQ(run.err, "");
    else
        EXPECT_NE(run.err.find(c.err_has), std::string::npos) << run.err.substr(0, 2000);
    // Notes of the Monte Carlo programs may come before the message.
    if (run.status != 0 && !c.noisy) {
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.back(), '\n');
        // A refused option ends with the hint to --help.
        const std::string hint = "Try '" + c.program + " --help'.";
        for (const std::string& line : split_lines(run.err)) {
            if (line == hint)
                continue;
            EXPECT_EQ(line.rfind(c.program + ": ", 0), 0u) << line.substr(0, 200);
        }
    }
    for (const auto& [name, content] : c.kept) {
        auto file = run.files.find(name);
        ASSERT_NE(file, run.files.end()) << name << " was removed";
        EXPECT_EQ(file->second, content) << name << " was changed";
    }
    if (c.only_kept) {
        EXPECT_EQ(run.files.size(), c.kept.size()) << "a file was made";
    }
    if (!c.out.empty()) {
        EXPECT_TRUE(std::regex_match(run.out, std::regex(c.out))) << run.out.substr(0, 2000);
    }
}

// What a failing case shows of itself.
void PrintTo(const MatrixCase& c, std::ostream* out)
{
    *out << c.program << ": " << c.fault;
}

class BadInput : public testing::TestWithParam<MatrixCase> {};

TEST_P(BadInput, EndsAsPromised)
{
    check(GetParam());
}

// "crab_spectrum_Crab_dat_missing": program and fault, as a test name.
std::string case_name(const testing::TestParamInfo<MatrixCase>& info)
{
    std::string name = info.param.program + "_" + info.param.fault;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Matrix, BadInput, testing::ValuesIn(matrix()), case_name);

}  // namespace
