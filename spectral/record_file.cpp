#include "spectral/record_file.h"

#include "common/command_line.h"
#include "common/errors.h"
#include "common/files.h"

void die_if_unread(const std::istream& in, const char* name, long got, long wanted, long least,
                   const char* what)
{
    if (wanted != all_records)
        return die_if_short(in, name, got, wanted, what);
    if (in.bad())
        die("cannot read %s:", name);
    if (in.fail() && !in.eof())
        die("%s: not a number after %ld %s", name, got, what);
    if (in.fail())
        die("%s ends inside a record, after %ld whole %s", name, got, what);
    if (!in.eof())
        die("%s holds more than the %ld %s a run can hold", name, got, what);
    die_if_short(in, name, got, least, what);
}
