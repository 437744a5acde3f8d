#include "tests/program_table.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

constexpr std::size_t fields_per_line = 9;
const std::string empty_field = "-";

// The parts of a field between separators; none for an empty field.
std::vector<std::string> list(const std::string& field, const std::string& separator)
{
    std::vector<std::string> parts;
    if (field == empty_field)
        return parts;
    std::string::size_type start = 0;
    for (std::string::size_type end; (end = field.find(separator, start)) != std::string::npos;
         start = end + separator.size())
        parts.push_back(field.substr(start, end - start));
    parts.push_back(field.substr(start));
    return parts;
}

// "Crab.dat 148282 time-value pairs" or a bare "uber.tsv".
ProgramInput input_of(const std::string& item)
{
    ProgramInput in;
    std::istringstream words(item);
    if (words >> in.name >> in.records)
        std::getline(words >> std::ws, in.unit);
    return in;
}

ProgramRow row_of(const std::string& line)
{
    const std::vector<std::string> f = list(line, "\t");
    if (f.size() != fields_per_line)
        throw std::runtime_error("program table: not " + std::to_string(fields_per_line) + " fields: " + line);
    ProgramRow row;
    row.program = f[0];
    row.folder = f[1];
    row.takes_arguments = f[2] != empty_field;
    row.usage = "usage: " + row.program + (row.takes_arguments ? " " + f[2] : "");
    row.args = list(f[3], " ");
    row.input = f[4] == empty_field ? "" : f[4];
    for (auto at = row.input.find("\\n"); at != std::string::npos; at = row.input.find("\\n", at + 1))
        row.input.replace(at, 2, "\n");
    for (const std::string& item : list(f[5], ", "))
        row.reads.push_back(input_of(item));
    row.writes = list(f[6], ", ");
    for (const std::string& stream : list(f[7], " ")) {
        row.prints = row.prints || stream == "out";
        row.notes = row.notes || stream == "err";
    }
    row.description = f[8];
    return row;
}

// Lines starting with '#' are comments; the first other one names the fields.
std::vector<ProgramRow> read_table()
{
    std::ifstream in(SUITE_PROGRAM_TABLE);
    if (!in)
        throw std::runtime_error("cannot read " SUITE_PROGRAM_TABLE);
    std::vector<ProgramRow> rows;
    bool header = true;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        if (!header)
            rows.push_back(row_of(line));
        header = false;
    }
    return rows;
}

}  // namespace

const std::vector<ProgramRow>& program_table()
{
    static const std::vector<ProgramRow> rows = read_table();
    return rows;
}

const ProgramRow& program_row(const std::string& program)
{
    for (const ProgramRow& row : program_table())
        if (row.program == program)
            return row;
    throw std::runtime_error("program table: no program " + program);
}

std::vector<std::string> read_names(const ProgramRow& row)
{
    std::vector<std::string> names;
    for (const ProgramInput& in : row.reads)
        names.push_back(in.name);
    return names;
}
