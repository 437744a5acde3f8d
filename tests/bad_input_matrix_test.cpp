// Everything a user can get wrong, for every program of the suite: input
// files missing, empty, short, holding text or binary garbage, one huge word
// or very long lines; arguments missing, non-numeric, negative, huge or not
// taken at all; standard input ending early; an output file blocked by a
// directory or on a full disk; standard output on a full disk; --help and
// --version. No case may crash or hang a program; each ends with the status
// and the message the bad-input rules promise, and a failing run leaves
// earlier results as they were.
#include <gtest/gtest.h>

#include <cctype>
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
}

void motion_cases()
{
    add_blocked_output("rocket", "rocket.txt");
    add_blocked_output("launch_trajectory", "launch_trajectory.txt");
    add_blocked_output("swing_sim", "pend.dat");
    add_blocked_output("ode_stepper", "ode_stepper.dat");
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
        // The grid file is made (empty) before anything else, so only the
        // data file's faults are checked here, with its name as the argument.
        add_counted_input_faults({f.program, "decays.dat", "72 3\n", f.needed, "count-time pairs",
                                  {"decays.dat"}, {}});
        add(f.program, "argument missing", with({}), 0, f.usage);
        add(f.program, "argument empty", with({}, {""}), 1, "cannot open : No such file");
        add_blocked_output(f.program, f.grid, with({{"decays.dat", repeat("72 3\n", f.needed)}}, {"decays.dat"}));
    }
}

void montecarlo_cases()
{
    const std::string dimension_usage = "usage: dimension_volume [NDIM][NMAX]\n";
    add("dimension_volume", "arguments missing", with({}), 0, dimension_usage);
    add("dimension_volume", "second argument missing", with({}, {"3"}), 0, dimension_usage);
    add("dimension_volume", "non-numeric", with({}, {"three", "many"}), 0, "");
    add("dimension_volume", "negative", with({}, {"-3", "-10"}), 0, "");
    add("dimension_volume", "huge", with({}, {"99999999999999999999", "99999999999999999999"}), 0, "");
    add("dimension_volume", "dimension past any table", with({}, {"20000", "10"}), 0, "");

    const std::string half_life_usage = "usage: half_life_sim [Natoms][Half-life]\n";
    add("half_life_sim", "arguments missing", with({}), 0, half_life_usage);
    add("half_life_sim", "half-life missing", with({}, {"100"}), 0, half_life_usage);
    add("half_life_sim", "non-numeric", with({}, {"many", "long"}), 0, "");
    add("half_life_sim", "negative", with({}, {"-100", "-5"}), 0, "");
    add("half_life_sim", "huge count", with({}, {"99999999999", "10"}), 1,
        "atom count 99999999999 is not between");
    add("half_life_sim", "huge half-life", with({}, {"10", "1e999"}), 0, "");

    const std::string chain_usage = "Input: #C12, #C11, #C10\n";
    add("carbon_chain", "arguments missing", with({}), 0, chain_usage);
    add("carbon_chain", "third count missing", with({}, {"1", "2"}), 0, chain_usage);
    add("carbon_chain", "non-numeric", with({}, {"a", "b", "c"}), 0, "");
    add("carbon_chain", "negative", with({}, {"10", "-5", "10"}), 1,
        "atom count -5 is not between 0 and 2147483647");
    add("carbon_chain", "huge", with({}, {"10", "99999999999", "10"}), 1,
        "atom count 99999999999 is not between 0 and 2147483647");
    add("carbon_chain", "huge together", with({}, {"2147483647", "1", "0"}), 1,
        "atoms are more than 2147483647");

    add_blocked_output("pond_sphere", "pond3.dat");
    for (const char* program : {"wander_space", "wander_plane"}) {
        add_noisy(program, "non-numeric seed", with({}, {"seed"}), 0, "Using user seed= 0\n");
        add_noisy(program, "negative seed", with({}, {"-7"}), 0, "Using user seed= -7\n");
        add_noisy(program, "huge seed", with({}, {"99999999999999999999"}), 0, "Using user seed= ");
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

    add("fee_check", "standard input empty", typed(text("")), 1, "end of input before the account type");
    add("fee_check", "input ends before the balance", typed(text("c")), 1,
        "end of input before the account balance");
    add("fee_check", "text for the balance", typed(text("c\nplenty\n")), 1,
        "the account balance is not a number");
    add("fee_check", "binary garbage", typed(binary_garbage), 0, "");
    add("fee_check", "huge balance", typed([] { return "s" + huge_number(); }), 0, "");
    add("fee_check", "negative balance", typed(text("s-1e999")), 0, "");
}

void terminal_cases()
{
    for (const char* program : {"chase_game", "display"}) {
        add(program, "standard input empty", with({}), 0, "");
        add(program, "binary garbage keys", Setup{{}, {}, binary_garbage, {}}, 0, "");
        add(program, "long key run without q", with({}, {}, repeat("wasdsf", 700)), 0, "");
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
    add_untouched("--help", {"--help"}, 0, "", usage + "([^\n]*\n)+" + literal("See " + w.program + "(1).\n"));
    add_untouched("-h", {"-h"}, 0, "", usage + "([^\n]*\n)+" + literal("See " + w.program + "(1).\n"));
    const std::string try_help = "Try '" + w.program + " --help'.\n";
    add_untouched("unknown option", {"--bogus"}, 1, w.program + ": unknown option '--bogus'\n" + try_help, "");
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

void check(const MatrixCase& c)
{
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
        for (const std::string& line : split_lines(run.err))
            EXPECT_EQ(line.rfind(c.program + ": ", 0), 0u) << line.substr(0, 200);
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
