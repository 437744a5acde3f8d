#include "trips/record_lines.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "common/errors.h"

std::vector<std::string> split_words(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n) {
        while (i < n && std::isspace(static_cast<unsigned char>(line[i])))
            ++i;
        std::size_t start = i;
        while (i < n && !std::isspace(static_cast<unsigned char>(line[i])))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool word_to_int(const std::string& word, int& value)
{
    const char* text = word.c_str();
    if (word.empty() || std::isspace(static_cast<unsigned char>(text[0])))
        return false;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(text, &end, 10);
    if (end != text + word.size() || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

bool word_to_double(const std::string& word, double& value)
{
    const char* text = word.c_str();
    if (word.empty() || std::isspace(static_cast<unsigned char>(text[0])))
        return false;
    char* end = nullptr;
    // Overflow gives inf and underflow a tiny value, as the scan gives them.
    double v = std::strtod(text, &end);
    if (end != text + word.size())
        return false;
    value = v;
    return true;
}

void report_skipped(const char* name, long skipped)
{
    if (skipped > 0)
        warn("%s: skipped %ld malformed line%s", name, skipped, skipped == 1 ? "" : "s");
}

void check_read(const std::istream& in, const char* name)
{
    if (in.bad())
        die("cannot read %s:", name);
}
