#include "common/die.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void report(const char* fmt, va_list args, int saved_errno)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s: ", program_invocation_short_name);
    std::vfprintf(stderr, fmt, args);
    size_t len = std::strlen(fmt);
    if (len > 0 && fmt[len - 1] == ':')
        std::fprintf(stderr, " %s", std::strerror(saved_errno));
    std::fputc('\n', stderr);
}

}  // namespace

void die(const char* fmt, ...)
{
    int saved_errno = errno;
    va_list args;
    va_start(args, fmt);
    report(fmt, args, saved_errno);
    va_end(args);
    std::exit(1);
}

void warn(const char* fmt, ...)
{
    int saved_errno = errno;
    va_list args;
    va_start(args, fmt);
    report(fmt, args, saved_errno);
    va_end(args);
}

void die_if_short(const std::istream& in, const char* name, int got, int needed, const char* what)
{
    if (got >= needed)
        return;
    if (in.bad())
        die("cannot read %s:", name);
    if (in.eof())
        die("%s holds only %d of the %d %s needed", name, got, needed, what);
    die("%s: not a number after %d of the %d %s needed", name, got, needed, what);
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
