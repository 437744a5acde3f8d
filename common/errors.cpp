#include "common/errors.h"

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
