// physics-suite: the one command an installation puts on the PATH. It runs a
// program of the suite from the suite's own folder, so that the programs'
// common names (display, rocket, quadrature) never meet another package's.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "common/errors.h"
#include "common/files.h"

#ifndef SUITE_PROGRAMS_FROM_BIN
#error "SUITE_PROGRAMS_FROM_BIN (the installed programs' folder, relative to bin) must be defined"
#endif

namespace {

struct Program {
    const char* folder;
    const char* name;
    const char* summary;
};

// The programs in the order of the suite's table (suite/programs.tsv), from
// which the build writes this list.
const Program programs[] = {
#include "program_list.inc"
};

struct Subsystem {
    const char* folder;
    const char* heading;
};

const Subsystem subsystems[] = {
    {"spectral", "Spectral analysis"},
    {"integration", "Quadrature and series"},
    {"motion", "Equations of motion"},
    {"fitting", "Lifetime fitting"},
    {"montecarlo", "Monte Carlo estimators"},
    {"trips", "Trips and routes"},
    {"accounts", "Accounts"},
    {"terminal", "Terminal displays and game"},
    {"sample_data", "Sample data"},
};

// A folder missing from the headings is listed under its own name.
const char* heading_of(const char* folder)
{
    for (const Subsystem& s : subsystems)
        if (std::strcmp(s.folder, folder) == 0)
            return s.heading;
    return folder;
}

constexpr ProgramUsage usage{
    "PROGRAM [ARGUMENT...]",
    "Runs PROGRAM of the physics suite with the ARGUMENTs, its standard input and\n"
    "output untouched and its exit status passed on.\n"
    "  physics-suite           list the programs by subsystem, one line each\n"
    "  physics-suite --list    the same\n"
    "  physics-suite --path    print the folder that holds the programs:\n"
    "                          export PATH=\"$(physics-suite --path):$PATH\"\n"
    "                          gives every program by its own name\n"
    "Each program's own --help says what it does; its page is PROGRAM(1phys).",
    "1"};

bool is_folder(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// An installation keeps the programs in a folder of their own, found from the
// dispatcher's own place so that any installation prefix works. A build tree
// has no such folder: there the programs lie beside the dispatcher. The
// installed folder is looked at first, since the dispatcher's own folder of an
// installation (/usr/bin) may hold another package's program of the same
// name (ImageMagick's display).
std::string program_folder()
{
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n < 0)
        die("cannot find its own folder: /proc/self/exe:");
    self[n] = '\0';
    const std::string own = std::string(self, std::strrchr(self, '/'));
    const std::string installed = own + "/" SUITE_PROGRAMS_FROM_BIN;
    char real[PATH_MAX];
    if (is_folder(installed) && realpath(installed.c_str(), real) != nullptr)
        return real;
    return own;
}

void list_programs()
{
    const char* folder = "";
    for (const Program& p : programs) {
        if (std::strcmp(p.folder, folder) != 0) {
            std::printf("%s%s\n", *folder != '\0' ? "\n" : "", heading_of(p.folder));
            folder = p.folder;
        }
        std::printf("  %-18s %s\n", p.name, p.summary);
    }
}

// --list and --path take nothing after them.
void refuse_extra(int argc, char** argv)
{
    if (argc > 2) {
        warn("unexpected argument '%s'", argv[2]);
        print_usage(usage);
        std::exit(1);
    }
}

const Program* find_program(const char* name)
{
    for (const Program& p : programs)
        if (std::strcmp(p.name, name) == 0)
            return &p;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--") == 0)
        first = 2;
    else if (argc > 1 && argv[1][0] == '-' && std::strcmp(argv[1], "--list") != 0 &&
             std::strcmp(argv[1], "--path") != 0)
        // --help, --version and unknown options; a program's own options
        // after its name are never looked at here.
        handle_options(2, argv, usage);

    if (argc == first || (first == 1 && std::strcmp(argv[1], "--list") == 0)) {
        refuse_extra(argc, argv);
        list_programs();
        check_standard_output();
        return 0;
    }
    if (first == 1 && std::strcmp(argv[1], "--path") == 0) {
        refuse_extra(argc, argv);
        std::printf("%s\n", program_folder().c_str());
        check_standard_output();
        return 0;
    }

    const char* name = argv[first];
    const Program* program = find_program(name);
    if (program == nullptr)
        die("no program '%s'; see 'physics-suite --list'", name);
    const std::string path = program_folder() + "/" + program->name;
    // The program's own name as argv[0], so that its messages name it.
    std::vector<char*> args(argv + first, argv + argc);
    args.push_back(nullptr);
    execv(path.c_str(), args.data());
    const int status = errno == ENOENT ? 127 : 126;
    warn("cannot run %s:", path.c_str());
    return status;
}
