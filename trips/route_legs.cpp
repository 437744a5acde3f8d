#include "trips/route_legs.h"

#include "common/command_line.h"

LineKind scan_leg_record(const std::string& line, const LegLayout& layout, Leg& leg)
{
    std::vector<std::string> words = split_words(line);
    if (words.empty())
        return LineKind::blank;
    Leg l{};
    if (words.size() != 3 || words[0].size() > layout.origin_max ||
        words[1].size() > layout.destination_max || !word_to_int(words[2], l.cost))
        return LineKind::malformed;
    l.origin = words[0];
    l.destination = words[1];
    leg = l;
    return LineKind::record;
}

LegFile read_legs(std::istream& in, const LegLayout& layout, long count)
{
    LegFile file;
    Leg leg{};
    auto scan = [&layout, &leg](const std::string& line) { return scan_leg_record(line, layout, leg); };
    while ((count == all_records || static_cast<long>(file.legs.size()) < count) &&
           next_record(in, scan, file.skipped))
        file.legs.push_back(leg);
    return file;
}
