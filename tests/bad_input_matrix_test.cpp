// Everything a user can get wrong, for every program of the suite: input
// files missing, empty, short, holding text or binary garbage, one huge word
// or very long lines; arguments missing, non-numeric, negative, huge or not
// taken at all; standard input ending early; an output file blocked by a
// directory or on a full disk; standard output on a full disk; --help and
// --version. No case may crash or hang a program; each ends with the status
// and the message the bad-input rules promise, and a failing run leaves
// earlier results as they were. Each program's files, counts, usage and run
// come from the table of programs, so every file of it meets the faults of
// its kind.
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
#include "tests/program_table.h"

namespace {

using Files = std::map<std::string, std::string>;
// A file's content, made when its case runs: some are megabytes.
using Content = std::function<std::string()>;

constexpr double case_timeout_s = 30;
constexpr std::size_t megabyte = 1 << 20;
const std::string earlier_result = "earlier result\n";
const std::string dispatcher = "physics-suite";

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

// A run and how it must end: by default with status 0 and nothing on standard
// error. When it fails (status 1) every line there must name the program first
// or be the hint to --help, unless other lines may come too (notes).
struct MatrixCase {
    std::string program;
    std::string fault;
    Setup setup;
    int exit_status = 0;
    std::string err_has = "";         // what standard error must hold; "": nothing at all
    bool other_lines = false;         // notes or a usage line besides
    Files kept = {};                  // files there before the run that must come out unchanged
    bool only_kept = false;           // and no other file may appear
    std::string out = "";             // a pattern the whole standard output must match, when given
    bool explicit_defaults = false;   // run again with every option at its --help default: same bytes

    MatrixCase& err(const std::string& text) { err_has = text; return *this; }
    MatrixCase& fails(const std::string& message) { exit_status = 1; return err(message); }
    MatrixCase& notes(bool may = true) { other_lines = may; return *this; }
    MatrixCase& keeps(const Files& files) { kept = files; return *this; }
    MatrixCase& untouched(const Files& files) { kept = files; only_kept = true; return *this; }
    MatrixCase& prints(const std::string& pattern) { out = pattern; return *this; }
    MatrixCase& same_with_explicit_defaults() { explicit_defaults = true; return *this; }
    // Refused before anything is read or written: status 1, the folder as it
    // was and nothing printed.
    MatrixCase& refused(const Files& files = {}) { exit_status = 1; return untouched(files).prints("^$"); }
};

std::vector<MatrixCase> all_cases;

// Adds a case; the setters of the one returned say how it must end.
MatrixCase& expect(const std::string& program, const std::string& fault, const Setup& setup)
{
    all_cases.push_back({program, fault, setup});
    return all_cases.back();
}

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

Setup typed(const Content& input)
{
    return Setup{{}, {}, input};
}

Files earlier(const std::vector<std::string>& names)
{
    Files files;
    for (const std::string& name : names)
        files[name] = earlier_result;
    return files;
}

// Every file a program reads or writes, as an earlier run left it.
Files earlier_files(const ProgramRow& row)
{
    Files files = earlier(row.writes);
    for (const std::string& name : read_names(row))
        files[name] = earlier_result;
    return files;
}

// "option --step 0": a refused command line as a fault.
std::string option_fault(const std::vector<std::string>& args)
{
    std::string fault = "option";
    for (const std::string& arg : args)
        fault += " " + (arg.empty() ? "empty" : arg);
    return fault;
}

// What a refused option value puts on standard error.
std::string refusal(const std::string& program, const std::string& message)
{
    return program + ": " + message + "\nTry '" + program + " --help'.\n";
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
const std::string uber = trip_fix + trip_fix_later;
const std::string velocity_line = "1  5.000000000000000 \n";
const std::string pair_event = "-338.35 -24.52 481.28 131.73 8.84 1198.35\n";
// The data file a lifetime fit is given.
const std::string decays = "decays.dat";

// The line-oriented inputs of a well-formed run.
const Files line_files{
    {"uber.tsv", uber},
    {"rides.txt", velocity_line},
    {"leg1.txt", "sanfrancisco denver 195\nsanfrancisco dallas 161\nsanfrancisco atlanta 157\n"},
    {"leg2.txt", repeat("denver chicago 190\n", 3) + repeat("dallas boston 194\n", 3) +
                     repeat("atlanta miami 258\n", 3)},
    {"leg3.txt", "chicago new_york 100\nboston new_york 120\nmiami new_york 140\n"},
};

// One record of each kind of counted input.
const std::map<std::string, std::string> record_of = {
    {"time-value pairs", "0.5 7\n"}, {"events", pair_event}, {"count-time pairs", "72 3\n"}};

// Decay counts each fit takes, as many as it reads.
const std::map<std::string, std::string> decay_data = {
    {"meson_lifetime", "46.2981 2\n39.6961 6\n34.0356 10\n29.1823 14\n25.021 18\n21.4531 22\n18.394 26\n"
                       "15.7711 30\n13.5222 34\n11.594 38\n9.94071 42\n8.5232 46\n7.30783 50\n"},
    {"lepton_lifetime", "94 0.2 93 0.6 80 1 62 1.4 42 1.8 46 2.2 29 2.6 35 3 33 3.4 13 3.8 24 4.2 14 4.6 "
                        "14 5 9 5.4 9 5.8 3 6.2 4 6.6 5 7 7 7.4 3 7.8 4 8.2 5 8.6 1 9 3 9.4 0 9.8 2 10.2\n"},
};

// The name an input lies under in a case.
std::string file_name(const ProgramInput& in)
{
    return in.name == datafile ? decays : in.name;
}

// The program's run of the table on small stand-ins for the sample data, with
// which the spectra would take long.
Setup well_formed(const ProgramRow& row)
{
    Setup s{{}, row.args, text(row.input)};
    for (const ProgramInput& in : row.reads) {
        if (in.name == datafile)
            s.args.at(0) = decays;
        s.files[file_name(in)] = in.name == datafile              ? text(decay_data.at(row.program))
                                 : in.unit == "time-value pairs" ? pairs_text(in.records)
                                 : in.unit == "events"           ? text(repeat(pair_event, in.records))
                                                                 : text(line_files.at(in.name));
    }
    return s;
}

// The well-formed run without one of its inputs, earlier results beside.
Setup without(const ProgramRow& row, const std::string& file, const Files& kept)
{
    Setup s = well_formed(row);
    s.files.erase(file);
    for (const auto& [name, content] : contents(kept))
        s.files[name] = content;
    return s;
}

// How messages name an output: make_sample_data by the folder it writes in.
std::string shown(const ProgramRow& row, const std::string& output)
{
    return row.program == "make_sample_data" ? "./" + output : output;
}

// An input read by formatted extraction for a fixed number of records. Every
// fault ends the run with status 1 before any output file is opened.
void add_counted_input_faults(const ProgramRow& row, const ProgramInput& in)
{
    const std::string file = file_name(in);
    const std::string of = " of the " + std::to_string(in.records) + " " + in.unit + " needed";
    const std::string holds = file + " holds only ";
    const std::string not_a_number = file + ": not a number after ";
    const Files kept = earlier(row.writes);
    const Setup absent = without(row, file, kept);
    auto run = [&](const Content& content) {
        Setup s = absent;
        s.files[file] = content;
        return s;
    };
    auto fails = [&](const std::string& fault, const Setup& setup, const std::string& message) {
        expect(row.program, file + " " + fault, setup).fails(message).keeps(kept);
    };
    // Line structure is not looked at: three records on one long line count.
    const std::string line = record_of.at(in.unit);
    std::string record = line;
    record.back() = ' ';
    const Content long_line = [record] {
        return record + blanks() + record + blanks() + record + "\n";
    };
    Setup directory = absent;
    directory.dirs = {file};

    fails("missing", absent, "cannot open " + file + ": No such file or directory");
    fails("empty", run(text("")), holds + "0" + of);
    fails("short", run(text(repeat(line, 2))), holds + "2" + of);
    fails("text among numbers", run(text(repeat(line, 2) + "twelve 1 2 3 4 5 6\n")), not_a_number + "2" + of);
    fails("binary garbage", run(binary_garbage), not_a_number + "0" + of);
    fails("huge word", run(huge_word), not_a_number + "0" + of);
    fails("huge number", run(huge_number), not_a_number + "0" + of);
    fails("long line", run(long_line), holds + "3" + of);
    fails("a directory", directory, "cannot read " + file + ": Is a directory");
}

// A line-oriented record file: malformed lines are skipped and counted,
// reading goes on; only a file that cannot be opened or read fails.
void add_record_input_faults(const ProgramRow& row, const ProgramInput& in)
{
    const Files kept = earlier(row.writes);
    const Setup absent = without(row, in.name, kept);
    auto run = [&](const Content& content) {
        Setup s = absent;
        s.files[in.name] = content;
        return s;
    };
    auto fault = [&](const std::string& what, const Setup& setup) -> MatrixCase& {
        return expect(row.program, in.name + " " + what, setup);
    };
    const std::string& lines = line_files.at(in.name);
    const std::string record = lines.substr(0, lines.find('\n') + 1);
    Setup directory = absent;
    directory.dirs = {in.name};
    const std::string skipped = in.name + ": skipped 1 malformed line\n";

    fault("missing", absent).fails("cannot open " + in.name + ": No such file or directory").keeps(kept);
    fault("empty", run(text("")));
    fault("one record", run(text(record)));
    fault("text among records", run(text(record + "ride time first second\n" + record))).err(skipped);
    fault("binary garbage", run(binary_garbage)).err(in.name).notes();
    fault("huge word", run([record] { return record + huge_word() + "\n" + record; })).err(skipped);
    fault("long line", run([record] { return blanks() + record; }));
    fault("a directory", directory).fails("cannot read " + in.name + ": Is a directory").keeps(kept);
}

// The cheapest route's leg files: line-oriented, but a fixed number of legs.
void add_leg_file_faults(const ProgramRow& row, const ProgramInput& in)
{
    const std::string& file = in.name;
    const std::string holds_only = file + " holds only ";
    const std::string of = " of the " + std::to_string(in.records) + " legs needed";
    const Setup absent = without(row, file, {});
    auto run = [&](const Content& content) {
        Setup s = absent;
        s.files[file] = content;
        return s;
    };
    auto fails = [&](const std::string& fault, const Setup& setup, const std::string& message) {
        expect(row.program, file + " " + fault, setup).fails(message);
    };
    const std::string valid = line_files.at(file);
    Setup directory = absent;
    directory.dirs = {file};

    fails("missing", absent, "cannot open " + file + ": No such file or directory");
    fails("empty", run(text("")), holds_only + "0" + of);
    fails("short", run(text("denver chicago 190\n")), holds_only + "1" + of);
    fails("text where the cost belongs", run(text("denver chicago cheap\n")), file + ": skipped 1 malformed line\n");
    fails("binary garbage", run(binary_garbage), holds_only + "0" + of);
    fails("huge word", run([] { return huge_word() + "\n"; }), file + ": skipped 1 malformed line\n");
    // Blanks before the first leg do not matter; the run completes.
    expect(row.program, file + " long line", run([valid] { return blanks() + valid; }));
    fails("a directory", directory, "cannot read " + file + ": Is a directory");
}

// An output blocked by a directory: named on standard error, status 1.
void add_blocked_output(const ProgramRow& row, const std::string& output, Setup setup)
{
    setup.dirs.push_back(output);
    expect(row.program, output + " blocked by a directory", setup)
        .fails(row.program + ": cannot create " + shown(row, output) + ": Is a directory\n").notes(row.notes);
}

// An option value refused before anything is read or written: the program's
// files stay as an earlier run left them and no other appears. Values that
// cannot make a run are refused without_hint to --help.
constexpr bool without_hint = false;
struct Refusal {
    std::string program;
    std::vector<std::string> args;
    std::string message;
    bool try_help = true;
};

void add_refusals(const std::vector<Refusal>& refusals)
{
    for (const Refusal& r : refusals) {
        const ProgramRow& row = program_row(r.program);
        const Files kept = earlier_files(row);
        expect(r.program, option_fault(r.args), with(kept, r.args, row.input))
            .refused(kept).err(r.try_help ? refusal(r.program, r.message) : r.program + ": " + r.message);
    }
}

// Every file of the table meets the faults of its kind.
void file_cases()
{
    for (const ProgramRow& row : program_table()) {
        for (const ProgramInput& in : row.reads) {
            if (in.unit == "legs")
                add_leg_file_faults(row, in);
            else if (in.records > 0)
                add_counted_input_faults(row, in);
            else
                add_record_input_faults(row, in);
        }
        for (const std::string& output : row.writes)
            add_blocked_output(row, output, well_formed(row));
    }
}

void spectral_cases()
{
    // Every record of the file (--samples all, --events all): it must end
    // after a whole record and hold as many as the computation needs.
    struct AllOf {
        const char* program;
        const char* option;
        int least;
    };
    const AllOf alls[] = {
        {"crab_spectrum", "--samples", 2},   {"pulsar_spectrum", "--samples", 2},
        {"phone_spectrum", "--samples", 2},  {"crab_brightness", "--samples", 1},
        {"angle_histogram", "--events", 1},
    };
    for (const AllOf& a : alls) {
        const ProgramRow& row = program_row(a.program);
        const ProgramInput& in = row.reads.at(0);
        const std::string& file = in.name;
        const std::string record = record_of.at(in.unit);
        const Files kept = earlier(row.writes);
        auto all_of = [&](const std::string& fault, const std::string& content, const std::string& message) {
            Files files = kept;
            files[file] = content;
            expect(a.program, std::string(a.option) + " all, " + fault, with(files, {a.option, "all"}))
                .fails(file + message).keeps(kept);
        };
        all_of(file + " empty", "", " holds only 0 of the " + std::to_string(a.least) + " " + in.unit + " needed");
        all_of("text among numbers", record + record + "twelve 1 2 3 4 5 6\n", ": not a number after 2 " + in.unit);
        all_of("a record cut short", record + record + "1", " ends inside a record, after 2 whole " + in.unit);
    }

    // Each option given a bad value, and option values that cannot make a run.
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
                            "--to: 5 Hz is not above --from 5 Hz: the grid holds no frequency\n", without_hint});
        refusals.push_back({program, {"--step", "1e-14"},
                            "--step: 1e-14 Hz is too small to advance the frequency near ", without_hint});
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
        {"sawtooth_series", {"--step", "1e-17"}, "--step: 1e-17 is too small to advance the time to 10\n",
         without_hint},
        {"angle_histogram", {"--events", "0"}, "--events: '0' must be at least 1"},
        {"angle_histogram", {"--events", "some"}, "--events: 'some' is not a number"},
        {"angle_histogram", {"--distance", "0"}, "--distance: '0' must be positive"},
        {"angle_histogram", {"--distance", "far"}, "--distance: 'far' is not a number"},
        {"angle_histogram", {"--input", ""}, "--input: '' is not a file name"},
        {"angle_histogram", {"--output", ""}, "--output: '' is not a file name"},
    };
    refusals.insert(refusals.end(), others.begin(), others.end());
    add_refusals(refusals);
    expect("sawtooth_series", "--output-dir missing", with({}, {"--output-dir", "nowhere"}))
        .fails("sawtooth_series: cannot create nowhere/rmsaw.txt: No such file or directory\n");
    Setup user_output = with({}, {"--output", "mine.txt", "--samples", "all"});
    user_output.files["mine.dat"] = pairs_text(5000);
    user_output.args.insert(user_output.args.end(), {"--input", "mine.dat"});
    user_output.full = {"mine.txt"};
    expect("crab_spectrum", "--output on a full disk", user_output)
        .fails("crab_spectrum: cannot write mine.txt: No space left on device\n");
}

void integration_cases()
{
    expect("pi_series", "standard input empty", typed(text(""))).fails("no number of terms given");
    expect("pi_series", "standard input blank", typed(text(" \n\t\n"))).fails("no number of terms given");
    expect("pi_series", "text", typed(text("ten\n"))).fails("not a number of terms: ten");
    expect("pi_series", "binary garbage", typed(binary_garbage)).fails("not a number of terms: ");
    expect("pi_series", "huge word", typed(huge_word)).fails("not a number of terms: xxx");
    expect("pi_series", "huge number", typed(text("99999999999\n"))).fails("number of terms out of range: 99999999999");
    expect("pi_series", "megabyte of digits", typed(huge_number)).fails("number of terms out of range: 777");
    expect("pi_series", "negative", typed(text("-5\n")));
    expect("pi_series", "real number", typed(text("1e6\n"))).fails("not a number of terms: 1e6");
    expect("pi_series", "words after the number", typed(text("12 terms\n"))).fails("not a number of terms: 12 terms");
    expect("pi_series", "digit 9 in octal", typed(text("09\n"))).fails("not a number of terms: 09");
    expect("pi_series", "blank lines and blanks around", typed(text("\n \n 0x10 \t\n")));

    add_refusals({
        {"quadrature", {"--step", "abc"}, "--step: 'abc' is not a number"},
        {"quadrature", {"--step", "0"}, "--step: '0' must be positive"},
        {"quadrature", {"--step=-0.01"}, "--step: '-0.01' must be positive"},
        {"quadrature", {"--step", "1e39"}, "--step: '1e39' is out of range"},
        {"quadrature", {"--from", "minus six"}, "--from: 'minus six' is not a number"},
        {"quadrature", {"--to", "inf"}, "--to: 'inf' is not a finite number"},
        {"quadrature", {"--points", "2"}, "--points: '2' must be between 3 and 2147483646"},
        {"quadrature", {"--points", "2147483647"}, "--points: '2147483647' must be between 3 and 2147483646"},
        {"quadrature", {"--points", "1e3"}, "--points: '1e3' is not a whole number"},
        {"quadrature", {"--output", ""}, "--output: '' is not a file name"},
        {"quadrature", {"--step"}, "--step: a value is needed"},
        {"e_series", {"--tolerance", "0"}, "--tolerance: '0' must be positive"},
        {"e_series", {"--tolerance", "tiny"}, "--tolerance: 'tiny' is not a number"},
        {"e_series", {"--tolerance", "nan"}, "--tolerance: 'nan' is not a finite number"},
    });
    const Files kept = earlier({"integ.dat"});
    expect("quadrature", "--output another name", with(kept, {"--output", "pulse.txt"})).keeps(kept);
    add_blocked_output(program_row("quadrature"), "pulse.txt", with({}, {"--output", "pulse.txt"}));
}

void motion_cases()
{
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
        Bounds options;
        std::string end_time;   // the default duration, as a refused step names it
        bool flies;             // takes the vehicle's and the Earth's options too
    };
    constexpr bool flies = true, swings = false;
    const Stepper steppers[] = {
        {"rocket",
         {{"step", positive}, {"duration", positive}, {"angle", ""}, {"speed", positive}, {"x", ""},
          {"y", ""}, {"density", nonnegative}, {"falloff", nonnegative}}, "10", flies},
        {"launch_trajectory",
         {{"step", positive}, {"duration", positive}, {"angle", ""}, {"speed", positive}, {"x", ""},
          {"y", ""}, {"density", nonnegative}, {"scale-height", positive}}, "10000", flies},
        {"swing_sim",
         {{"step", positive}, {"duration", positive}, {"angle", ""}, {"angular-velocity", ""},
          {"length", positive}, {"gravity", positive}}, "50", swings},
        {"ode_stepper",
         {{"step", positive}, {"duration", positive}, {"position", ""}, {"velocity", ""},
          {"spring-constant", positive}, {"mass", positive}}, "50", swings},
    };
    for (const Stepper& s : steppers) {
        const Files kept = earlier(program_row(s.program).writes);
        // Refused before the output is created: the earlier result survives
        // and no file appears.
        auto refused = [&](const std::string& fault, const std::vector<std::string>& args,
                           const std::string& message) {
            expect(s.program, fault, with(kept, args)).refused(kept).err(s.program + ": " + message);
        };
        const std::string try_help = "\nTry '" + s.program + " --help'.\n";
        Bounds options = s.options;
        if (s.flies)
            options.insert(options.end(), flight.begin(), flight.end());
        for (const auto& [option, why] : options) {
            const std::string name = "--" + option;
            refused(name + " not a number", {name, "fast"}, name + ": 'fast' is not a number" + try_help);
            refused(name + " infinite", {name + "=inf"}, name + ": 'inf' is not a finite number" + try_help);
            const std::string bad = why == positive ? "0" : "-1";
            if (!why.empty())
                refused(name + " out of range", {name, bad}, name + ": '" + bad + "' " + why + try_help);
        }
        refused("--output empty", {"--output", ""}, "--output: '' is not a file name" + try_help);
        refused("--output without a value", {"--output"}, "--output: a value is needed" + try_help);
        refused("--step lost in the rounding of the time", {"--step", "1e-20"},
                "--step: 1e-20 s is too small to advance the time to " + s.end_time + " s\n");
        if (s.flies)
            refused("propellant as heavy as the vehicle", {"--propellant", "15592"},
                    "--propellant: 15592 kg is not less than the lift-off mass of 15592 kg\n");
        Setup full = with({}, {"--output", "path.txt"});
        full.full = {"path.txt"};
        expect(s.program, "--output on a full disk", full)
            .fails(s.program + ": cannot write path.txt: No space left on device\n");
    }
}

void fitting_cases()
{
    for (const char* program : {"meson_lifetime", "lepton_lifetime"}) {
        const ProgramRow& row = program_row(program);
        const int needed = row.reads.at(0).records;
        // The grid file is made only once the data file has been read whole,
        // so every fault of the data file leaves an earlier one as it was.
        const Files grid = earlier(row.writes);
        const std::string usage = row.usage + "\n";
        expect(program, "argument missing", with(grid)).err(usage).keeps(grid);
        expect(program, "argument empty", with(grid, {""})).fails("cannot open : No such file").keeps(grid);
        const std::string data = repeat("72 3\n", needed);
        Files files = grid;
        files[decays] = data;
        expect(program, "data file name mistyped", with(files, {"decays31.dat"}))
            .fails("cannot open decays31.dat: No such file or directory").keeps(grid);
        files[decays] = "72 3\n";
        expect(program, "--records all, one pair", with(files, {"--records", "all", decays}))
            .fails("decays.dat holds only 1 of the 2 count-time pairs needed").keeps(grid);
        files[decays] = data + "72 three\n";
        expect(program, "--records all, a word after the pairs", with(files, {"--records=all", decays}))
            .fails("decays.dat: not a number after " + std::to_string(needed) + " count-time pairs").keeps(grid);
        add_blocked_output(row, "band.txt", with({{decays, data}}, {"--grid", "band.txt", decays}));

        // A refused option touches nothing: no grid file is made or emptied.
        Files folder = grid;
        folder[decays] = data;
        auto refused = [&](const std::vector<std::string>& option, const std::string& why) {
            std::vector<std::string> args = option;
            args.push_back(decays);
            expect(program, option[0] + " " + option[1], with(folder, args)).refused(folder).err(refusal(program, why));
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
        refused({"--interval", "2"}, "--interval: '2' must be between 0 and 1");
        expect(program, "--grid at the end", with(folder, {decays, "--grid"}))
            .refused(folder).err(std::string(program) + ": --grid: a value is needed\n");
    }
}

void montecarlo_cases()
{
    // Refused before anything is written: earlier results stay, no file
    // appears, nothing is printed.
    auto refused = [](const std::string& program, const std::string& fault, const std::vector<std::string>& args,
                      const std::string& message) {
        const Files kept = earlier(program_row(program).writes);
        expect(program, fault, with(kept, args)).refused(kept).err(refusal(program, message));
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

    const std::string dimension_usage = program_row("dimension_volume").usage + "\n";
    expect("dimension_volume", "arguments missing", with({})).err(dimension_usage);
    expect("dimension_volume", "second argument missing", with({}, {"3"})).err(dimension_usage);
    refused("dimension_volume", "non-numeric", {"three", "many"}, "NDIM: 'three" + not_a_number);
    refused("dimension_volume", "negative", {"-3", "-10"}, "NDIM: '-3" + not_a_count);
    refused("dimension_volume", "huge", {"99999999999999999999", "99999999999999999999"},
            "NDIM: '99999999999999999999" + not_a_count);
    refused("dimension_volume", "sample count in exponent form", {"3", "1e6"}, "NMAX: '1e6" + not_whole);
    refused("dimension_volume", "negative sample count", {"3", "-5"}, "NMAX: '-5" + not_a_count);
    refused("dimension_volume", "--seed not a number", {"--seed", "x", "3", "10"}, "--seed: 'x" + not_a_number);
    expect("dimension_volume", "dimension past any table", with({}, {"20000", "10"}));

    // The decay programs share the time grid's options.
    for (const char* program : {"half_life_sim", "carbon_chain"}) {
        refused(program, "--seed not a number", {"--seed=x", "1", "1", "1"}, "--seed: 'x" + not_a_number);
        refused(program, "--step 0", {"--step", "0", "1", "1", "1"}, "--step: '0' must be positive");
        refused(program, "--bin-width negative", {"--bin-width=-1", "1", "1", "1"},
                "--bin-width: '-1' must be positive");
        refused(program, "--duration infinite", {"--duration=inf", "1", "1", "1"}, "--duration: 'inf" + not_finite);
        // Values that cannot make a run get no hint to --help.
        const std::string name = program;
        expect(program, "--bin-width shorter than the step", with({}, {"--bin-width", "0.05", "1", "1", "1"}))
            .refused().err(name + ": --bin-width: 0.05 is shorter than the step 0.1\n");
        expect(program, "--step lost in the rounding of the time",
               with({}, {"--duration=1e17", "--step=1", "1", "1", "1"}))
                   .refused().err(name + ": --step: 1 is too small to advance the time to 1e+17 (at least 16)\n");
    }
    const std::string half_life_usage = program_row("half_life_sim").usage + "\n";
    expect("half_life_sim", "arguments missing", with({})).err(half_life_usage);
    expect("half_life_sim", "half-life missing", with({}, {"100"})).err(half_life_usage);
    refused("half_life_sim", "non-numeric", {"many", "long"}, "Natoms: 'many" + not_a_number);
    refused("half_life_sim", "non-numeric half-life", {"100", "long"}, "Half-life: 'long" + not_a_number);
    refused("half_life_sim", "count in exponent form", {"1e3", "5"}, "Natoms: '1e3" + not_whole);
    expect("half_life_sim", "negative", with({}, {"-100", "-5"}));
    expect("half_life_sim", "huge count", with({}, {"99999999999", "10"}))
        .fails("atom count 99999999999 is not between");
    refused("half_life_sim", "huge half-life", {"10", "1e999"}, "Half-life: '1e999" + not_finite);

    // Fewer than three counts get the specified prompt, not the usage line.
    const std::string chain_usage = "Input: #C12, #C11, #C10\n";
    expect("carbon_chain", "arguments missing", with({})).err(chain_usage);
    expect("carbon_chain", "third count missing", with({}, {"1", "2"})).err(chain_usage);
    refused("carbon_chain", "non-numeric", {"a", "b", "c"}, "C12: 'a" + not_a_number);
    refused("carbon_chain", "fraction of an atom", {"1", "2.5", "3"}, "C11: '2.5" + not_whole);
    refused("carbon_chain", "--c11-lifetime 0", {"--c11-lifetime", "0", "1", "1", "1"},
            "--c11-lifetime: '0' must be positive");
    refused("carbon_chain", "--c10-lifetime not a number", {"--c10-lifetime=short", "1", "1", "1"},
            "--c10-lifetime: 'short" + not_a_number);
    expect("carbon_chain", "negative", with({}, {"10", "-5", "10"}))
        .fails("atom count -5 is not between 0 and 2147483647");
    expect("carbon_chain", "huge", with({}, {"10", "99999999999", "10"}))
        .fails("atom count 99999999999 is not between 0 and 2147483647");
    expect("carbon_chain", "huge together", with({}, {"2147483647", "1", "0"})).fails("atoms are more than 2147483647");

    add_blocked_output(program_row("pond_sphere"), "mine.dat", with({}, {"--output", "mine.dat"}));
    refused("pond_sphere", "--samples 0", {"--samples", "0"}, "--samples: '0' must be at least 1");
    refused("pond_sphere", "--samples in exponent form", {"--samples=1e5"}, "--samples: '1e5" + not_whole);
    refused("pond_sphere", "--seed not a number", {"--seed", "abc"}, "--seed: 'abc" + not_a_number);
    refused("pond_sphere", "--output empty", {"--output", ""}, "--output: '' is not a file name");
    for (const char* program : {"ball_volume", "pond_sphere"})
        refused(program, "--standard-error 2", {"--standard-error", "2"}, "--standard-error: '2' must be between 0 and 1");
    refused("dimension_volume", "--standard-error 2", {"--standard-error=2", "3", "10"},
            "--standard-error: '2' must be between 0 and 1");

    for (const char* program : {"wander_space", "wander_plane"}) {
        refused(program, "non-numeric seed", {"seed"}, "seed: 'seed" + not_a_number);
        expect(program, "negative seed", with({}, {"-7"})).err("Using user seed= -7\n").notes();
        refused(program, "huge seed", {"99999999999999999999"},
                "seed: '99999999999999999999' must be between -2147483648 and 2147483647");
        refused(program, "seed in exponent form", {"1e9"}, "seed: '1e9" + not_whole);
        refused(program, "--seed beyond int", {"--seed", "99999999999"}, "--seed: '99999999999' is out of range");
        refused(program, "--steps 0", {"--steps=0"}, "--steps: '0' must be at least 1");
        refused(program, "--walks not a number", {"--walks", "many"}, "--walks: 'many" + not_a_number);
        refused(program, "--output-dir empty", {"--output-dir="}, "--output-dir: '' is not a file name");
        expect(program, "--output-dir missing", with({}, {"--output-dir", "nowhere"}))
            .fails(std::string(program) + ": cannot create nowhere/" + program_row(program).writes.at(0) +
                 ": No such file or directory\n").notes();
    }
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
    expect("trip_frequency", "rides.txt a distance list",
           with({{"uber.tsv", uber}, {"rides.txt", "Ride # 0:  50.000000 meters \n"}}))
               .err("rides.txt holds no velocities").notes();
    expect("trip_speed_sort", "standard input empty", with({{"uber.tsv", uber}}));
    expect("trip_lengths", "more rides than the table", with({{"uber.tsv", more_rides_than_the_table()}}))
        .err("uber.tsv holds 1001 rides; only the first 1000 are kept\n").notes();
    Files long_name = line_files;
    long_name["leg2.txt"] = "a_city_name_of_twenty chicago 1\n" + line_files.at("leg2.txt");
    expect("cheapest_route", "leg2.txt name longer than its table", with(long_name))
        .err("leg2.txt: skipped 1 malformed line\n").notes();

    // Named files that are not there are named; earlier results stay.
    const Files rides = earlier({"rides.txt"});
    expect("trip_lengths", "--trips names a missing file", with(rides, {"--trips", "day.tsv"}))
        .fails("trip_lengths: cannot open day.tsv: No such file or directory\n").keeps(rides);
    expect("trip_frequency", "--rides names a missing file", with({{"uber.tsv", uber}}, {"--rides=speeds.txt"}))
        .fails("trip_frequency: cannot open speeds.txt: No such file or directory\n");
    expect("cheapest_route", "--leg2 names a missing file", with(line_files, {"--leg2", "routes.txt"}))
        .fails("cheapest_route: cannot open routes.txt: No such file or directory\n");
    expect("cheapest_route", "--legs1 above the legs of leg1.txt", with(line_files, {"--legs1", "4"}))
        .fails("cheapest_route: leg1.txt holds only 3 of the 4 legs needed\n");
    expect("trip_frequency", "--top-velocity below --bands",
           with({{"uber.tsv", uber}, {"rides.txt", velocity_line}}, {"--top-velocity", "9"}))
               .fails("trip_frequency: --top-velocity: '9' must be at least --bands (10)\n");

    add_refusals({
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
    });
}

void accounts_cases()
{
    expect("account_summary", "standard input empty", typed(text(""))).fails("end of input before the account holder");
    expect("account_summary", "input ends before the balance", typed(text("Ada")))
        .fails("end of input before the account balance");
    expect("account_summary", "input ends before the type", typed(text("Ada 12.5")))
        .fails("end of input before the account type");
    expect("account_summary", "input ends before the last answers", typed(text("Ada 12.5 s")));
    expect("account_summary", "text for the balance", typed(text("Ada plenty s\n")))
        .fails("the account balance is not a number");
    expect("account_summary", "binary garbage", typed(binary_garbage)).fails("account_summary: ");
    expect("account_summary", "huge holder name", typed([] { return huge_word() + " 12.5 s y s\n"; }));
    expect("account_summary", "huge and negative balances",
           typed(text("Ada 1e999 s n Ben -1e999 c n Cleo -5 c y s\n")));
    expect("account_summary", "--output-dir missing", with({}, {"--output-dir", "nowhere"}, "Ada 12.5 s y f\n"))
        .fails("account_summary: cannot create nowhere/list_of_account_balances.txt: No such file or directory\n");

    // A bad option value is refused before any answer is read: the earlier
    // summary files stay as they were and no file appears.
    auto refused = [](const std::string& program, const std::vector<std::string>& args, const std::string& why,
                      const std::string& input) {
        const Files kept = earlier(program_row(program).writes);
        expect(program, args[0] + " " + (args[1].empty() ? "empty" : args[1]), with(kept, args, input))
            .refused(kept).err(program + ": " + args[0] + ": '" + args[1] + "' " + why);
    };
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
        refused("account_summary", args, why, "Ada 12.5 s y f\n");

    expect("fee_check", "standard input empty", typed(text(""))).fails("end of input before the account type");
    expect("fee_check", "input ends before the balance", typed(text("c")))
        .fails("end of input before the account balance");
    expect("fee_check", "text for the balance", typed(text("c\nplenty\n")))
        .fails("the account balance is not a number");
    expect("fee_check", "binary garbage", typed(binary_garbage));
    expect("fee_check", "huge balance", typed([] { return "s" + huge_number(); }));
    expect("fee_check", "negative balance", typed(text("s-1e999")));
    refused("fee_check", {"--saving-minimum", "much"}, "is not a number", "s\n12\n");
    refused("fee_check", {"--checking-minimum", ""}, "is not a number", "c\n12\n");
    refused("fee_check", {"--checking-minimum", "-1e999"}, "is not a finite number", "c\n12\n");
}

void terminal_cases()
{
    for (const char* program : {"chase_game", "display"}) {
        expect(program, "standard input empty", with({}));
        expect(program, "binary garbage keys", typed(binary_garbage));
        expect(program, "long key run without q", with({}, {}, repeat("wasdsf", 700)));
    }
    // A bad seed is refused before the terminal is touched or a key read.
    const std::vector<std::pair<std::string, std::string>> bad_seeds = {
        {"soon", "is not a number"},
        {"", "is not a number"},
        {"-1", "must be between 0 and 4294967295"},
        {"4294967296", "must be between 0 and 4294967295"},
        {"1.5", "is not a whole number"},
    };
    for (const auto& [seed, why] : bad_seeds)
        expect("chase_game", "--seed " + (seed.empty() ? "empty" : seed), with({}, {"--seed", seed}, "dq"))
            .refused().err(refusal("chase_game", "--seed: '" + seed + "' " + why));
}

void sample_data_cases()
{
    expect("make_sample_data", "directory is a file", with({{"out", ""}}, {"out"}))
        .fails("make_sample_data: cannot create out/");
    expect("make_sample_data", "output file blocked by a directory", with({}, {"out"}, "", {"out", "out/Crab.dat"}))
        .fails("make_sample_data: cannot create out/Crab.dat: Is a directory\n").notes();
}

// A text as a pattern that matches just it.
std::string literal(const std::string& s)
{
    return std::regex_replace(s, std::regex(R"([\^$.|?*+()\[\]{}])"), R"(\$&)");
}

// Every output file on a full disk, then standard output of a program that
// prints: a lost write is an error naming what was lost. --help, --version and
// a stray argument touch no file: the folder comes out exactly as it went in.
void add_output_faults(const ProgramRow& row)
{
    const std::string& program = row.program;
    const std::string no_space = ": No space left on device\n";
    const Setup run = well_formed(row);
    // A spectrum's lines are all computed before the first is written: a
    // short series keeps the case quick under the sanitizers and an emulator.
    const bool spectrum = program.size() > 9 && program.compare(program.size() - 9, 9, "_spectrum") == 0;
    for (const std::string& output : row.writes) {
        Setup s = run;
        s.full = {output};
        if (spectrum)
            s.args.insert(s.args.end(), {"--samples", "2000"});
        expect(program, output + " on a full disk", s)
            .fails(program + ": cannot write " + shown(row, output) + no_space).notes(row.notes);
    }
    if (row.prints) {
        Setup s = run;
        s.output_full = true;
        expect(program, "standard output on a full disk", s)
            .fails(program + ": write error on standard output" + no_space).notes(row.notes);
    }
    expect(program, "every default given explicitly", run).same_with_explicit_defaults();

    Files kept = earlier(row.writes);
    for (const auto& input : run.files)
        kept[input.first] = earlier_result;
    auto in_folder = [&](const std::string& fault, const std::vector<std::string>& args) -> MatrixCase& {
        return expect(program, fault, with(kept, args, "keys\n"));
    };
    const std::string usage = literal(row.usage) + "\n";
    const std::string help = usage + "([^\n]*\n)+" + literal("See " + program + "(1phys).\n");
    in_folder("--help", {"--help"}).untouched(kept).prints(help);
    in_folder("-h", {"-h"}).untouched(kept).prints(help);
    in_folder("--version", {"--version"})
        .untouched(kept).prints(literal(program + " (physics suite) " SUITE_VERSION "\n"));
    in_folder("unknown option", {"--bogus"}).refused(kept).err(refusal(program, "unknown option '--bogus'"));
    // Any word will do as an argument: --help is answered before it is read.
    if (row.takes_arguments)
        in_folder("--help after an argument", {"1", "--help"}).untouched(kept).prints(usage + "[\\s\\S]*");
    else
        in_folder("stray argument", {"extra"})
            .refused(kept).err(program + ": unexpected argument 'extra'\n" + row.usage + "\n").notes();
}

// The dispatcher has cases of its own.
void output_cases()
{
    for (const ProgramRow& row : program_table())
        if (row.program != dispatcher)
            add_output_faults(row);
}

// The one command on the PATH: a program named to it runs with its arguments,
// standard input and exit status untouched; anything else it refuses,
// touching nothing. Its list holds a line for each program under the heading
// of its subsystem.
void dispatcher_cases()
{
    const Files own{{"notes.txt", "the user's own\n"}};
    auto in_folder = [&](const std::string& fault, const std::vector<std::string>& args,
                         const std::string& input = "") -> MatrixCase& {
        return expect(dispatcher, fault, with(own, args, input)).untouched(own);
    };
    char bin[PATH_MAX];
    const std::string bin_dir = realpath(program_path("").c_str(), bin) != nullptr ? bin : "";
    const std::string listing = "([A-Z][A-Za-z ]+\n(  [a-z_]+ +[^\n]+\n)+\n?)+";
    const std::string usage = program_row(dispatcher).usage + "\n";
    const std::string refused = "physics-suite: no program '";
    const std::string see_list = "'; see 'physics-suite --list'\n";

    in_folder("no arguments", {}).prints(listing);
    in_folder("--list", {"--list"}).prints(listing);
#ifdef SUITE_EMULATED
    in_folder("--path", {"--path"}).prints("/[^\n]*\n");
#else
    in_folder("--path", {"--path"}).prints(literal(bin_dir) + "\n");
#endif
    in_folder("--help", {"--help", "crab_spectrum"})
        .prints(literal(usage) + "([^\n]*\n)+" + literal("See physics-suite(1).\n"));
    in_folder("--version", {"--version"}).prints(literal(dispatcher + " (physics suite) " SUITE_VERSION "\n"));
    in_folder("unknown program", {"bogus", "--help"}).fails(refused + "bogus" + see_list);
    in_folder("a path for a program", {"/bin/sh"}).fails(refused + "/bin/sh" + see_list);
    in_folder("unknown option", {"--bogus", "crab_spectrum"})
        .fails("physics-suite: unknown option '--bogus'\nTry 'physics-suite --help'.\n");
    in_folder("argument after --list", {"--list", "extra"})
        .fails("physics-suite: unexpected argument 'extra'\n" + usage).notes();
    Setup full = with(own, {"--list"});
    full.output_full = true;
    expect(dispatcher, "--list on a full disk", full)
        .fails("physics-suite: write error on standard output: No space left on device\n");
#ifndef SUITE_EMULATED
    in_folder("a program's own --help", {"crab_spectrum", "--help"})
        .prints("usage: crab_spectrum[^\n]*\n([^\n]*\n)+See crab_spectrum\\(1[a-z]*\\)\\.\n");
    in_folder("a program's own --version", {"--", "make_sample_data", "--version"})
        .prints(literal("make_sample_data (physics suite) " SUITE_VERSION "\n"));
    in_folder("standard input passed on", {"fee_check"}, "c\n12\n")
        .prints("[\\s\\S]*A minimum balance fee needs to be charged to this account\\.\n");
    expect(dispatcher, "exit status passed on", with(own, {"meson_lifetime", "missing.dat"}))
        .fails("meson_lifetime: cannot open missing.dat: No such file or directory\n").notes();
#endif
}

// The demo given a folder of the user's (here the run's own folder, which
// holds a file of the user's): it stops at once and deletes nothing.
void demo_cases()
{
    const Files own{{"thesis.tex", "the user's own\n"}};
    expect(SUITE_SOURCE_DIR "/demo/run_demo.sh", "a folder of the user's", with(own, {program_path("") + "..", "."}))
        .fails("run_demo.sh: . is not empty and was not made by the demo\n").notes().untouched(own);
}

const std::vector<MatrixCase>& matrix()
{
    if (all_cases.empty()) {
        file_cases();
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
#if defined(__SANITIZE_ADDRESS__) || defined(SUITE_EMULATED)
    // Two full-size transforms take minutes in the sanitizer build and under
    // an emulator; the native release build runs them.
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
    EXPECT_EQ(run.status, c.exit_status) << run.err.substr(0, 2000);
    if (c.err_has.empty())
        EXPECT_EQ(run.err, "");
    else
        EXPECT_NE(run.err.find(c.err_has), std::string::npos) << run.err.substr(0, 2000);
    if (run.status != 0 && !c.other_lines) {
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
