#include "integration/term_count.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

TermCount read_term_count(std::istream& in)
{
    TermCount count{TermCountStatus::end_of_input, 0, ""};
    in >> std::ws;
    if (!std::getline(in, count.text))
        return count;
    count.text.erase(count.text.find_last_not_of(" \t\r\f\v") + 1);
    const char* begin = count.text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 0);
    // The whole answer must be the number: a byte 0 inside it ends strtoll early.
    if (end == begin || end != begin + count.text.size()) {
        count.status = TermCountStatus::not_a_number;
    } else if (errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        count.status = TermCountStatus::out_of_range;
    } else {
        count.status = TermCountStatus::ok;
        count.value = static_cast<int>(value);
    }
    return count;
}
