#include "common/files.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "common/errors.h"

namespace {

// Set once a lost write to standard output has been reported, so that the
// check at exit does not report it again.
bool standard_output_reported = false;

// The reason a write failed: errno when the failing call just set it, else
// EIO (the stream failed earlier and errno has moved on).
[[noreturn]] void die_cannot_write(const char* name, int reason)
{
    errno = reason != 0 ? reason : EIO;
    die("cannot write %s:", name);
}

// True when something written to standard output was lost; reason says why.
// Output that failed long ago leaves only the error flag: a write of nothing
// asks the descriptor again (a full device, a closed descriptor say so).
bool standard_output_lost(int& reason)
{
    errno = 0;
    std::cout.flush();
    std::fflush(stdout);
    if (!std::cout.fail() && !std::ferror(stdout))
        return false;
    reason = errno;
    if (reason == 0 && write(STDOUT_FILENO, "", 0) < 0)
        reason = errno;
    if (reason == 0)
        reason = EIO;
    return true;
}

void report_standard_output(int reason)
{
    std::fprintf(stderr, "%s: write error on standard output: %s\n", program_invocation_short_name,
                 std::strerror(reason));
    standard_output_reported = true;
}

// Registered with atexit: exit() may not be called again from here, so the
// status is set with _Exit once the message is out. Registered first, it
// runs after every later handler (the terminal's restore among them).
void check_at_exit()
{
    int reason = 0;
    if (standard_output_reported || !standard_output_lost(reason))
        return;
    report_standard_output(reason);
    std::_Exit(1);
}

}  // namespace

void die_if_short(const std::istream& in, const char* name, long got, long needed, const char* what)
{
    if (got >= needed)
        return;
    if (in.bad())
        die("cannot read %s:", name);
    if (in.eof())
        die("%s holds only %ld of the %ld %s needed", name, got, needed, what);
    die("%s: not a number after %ld of the %ld %s needed", name, got, needed, what);
}

std::ifstream open_input(const char* name)
{
    errno = 0;
    std::ifstream in(name);
    if (!in)
        die("cannot open %s:", name);
    return in;
}

std::ofstream open_output(const char* name)
{
    errno = 0;
    std::ofstream out(name);
    if (!out)
        die("cannot create %s:", name);
    return out;
}

void close_output(std::ofstream& out, const char* name)
{
    errno = 0;
    out.close();
    if (out.fail())
        die_cannot_write(name, errno);
}

void close_output(std::FILE* out, const char* name)
{
    const bool failed_before = std::ferror(out) != 0;
    errno = 0;
    if (std::fclose(out) != 0 || failed_before)
        die_cannot_write(name, errno);
}

void check_output(const std::ostream& out, const char* name)
{
    if (!out)
        die_cannot_write(name, errno);
}

std::string in_folder(const char* dir, const char* name)
{
    if (std::strcmp(dir, ".") == 0)
        return name;
    std::string path = dir;
    if (path.back() != '/')
        path += '/';
    return path + name;
}

void check_standard_output()
{
    int reason = 0;
    if (!standard_output_lost(reason))
        return;
    report_standard_output(reason);
    std::exit(1);
}

void check_standard_output_at_exit()
{
    static bool registered = false;
    if (!registered)
        std::atexit(check_at_exit);
    registered = true;
}
