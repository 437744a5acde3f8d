#include "integration/term_count.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

TermCount read_term_count(std::istream& in)
{
    TermCount count{TermCountStatus::end_of_input, 0, ""};
    if (!(in >> count.text))
        return count;
    const char* begin = count.text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 0);
    if (end == begin) {
        count.status = TermCountStatus::not_a_number;
    } else if (errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        count.status = TermCountStatus::out_of_range;
    } else {
        count.status = TermCountStatus::ok;
        count.value = static_cast<int>(value);
    }
    return count;
}
