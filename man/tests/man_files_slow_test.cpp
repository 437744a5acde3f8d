// Every program run on the sample data in a fresh folder, as its row of the
// table of programs says: it must write exactly the files of its row, leave its
// inputs as they were, write to the terminal where the row says, and fail
// naming each input when that one is missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>

#include "tests/program_runner.h"
#include "tests/program_table.h"

// Failure messages name the row by its program.
void PrintTo(const ProgramRow& row, std::ostream* out)
{
    *out << row.program;
}

namespace {

using Files = std::map<std::string, std::string>;

const Files& sample_files()
{
    static const Files files = run_program("make_sample_data", {{"."}, {}, {}, "", 60}).files;
    return files;
}

Files inputs_of(const ProgramRow& row);

// An input that is not sample data: the file as its first writer leaves it.
std::string output_of(const std::string& name)
{
    for (const ProgramRow& row : program_table())
        if (std::count(row.writes.begin(), row.writes.end(), name))
            return run_program(row.program, {row.args, inputs_of(row), {}, row.input}).files.at(name);
    ADD_FAILURE() << "no program writes " << name;
    return "";
}

// The data file named by the first argument lies under that name.
Files inputs_of(const ProgramRow& row)
{
    Files inputs;
    for (const std::string& name : read_names(row)) {
        const std::string file = name == datafile ? row.args.at(0) : name;
        inputs[file] = sample_files().count(file) ? sample_files().at(file) : output_of(file);
    }
    return inputs;
}

class FileTable : public testing::TestWithParam<ProgramRow> {};

TEST_P(FileTable, WritesItsFilesAndNeedsItsInputs)
{
    const ProgramRow& row = GetParam();
    const Files inputs = inputs_of(row);
    const ProgramRun run = run_program(row.program, {row.args, inputs, {}, row.input});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(!run.out.empty(), row.prints) << "standard output: " << run.out.substr(0, 200);
    EXPECT_EQ(!run.err.empty(), row.notes) << "standard error: " << run.err.substr(0, 200);

    std::set<std::string> written;
    for (const auto& [name, content] : run.files) {
        auto given = inputs.find(name);
        if (given == inputs.end())
            written.insert(name);
        else
            EXPECT_EQ(content, given->second) << name << " was rewritten";
    }
    EXPECT_EQ(written, std::set<std::string>(row.writes.begin(), row.writes.end()));

    for (const auto& input : inputs) {
        Files without = inputs;
        without.erase(input.first);
        const ProgramRun missing = run_program(row.program, {row.args, without, {}, row.input});
        EXPECT_EQ(missing.status, 1) << "without " << input.first;
        EXPECT_NE(missing.err.find(input.first), std::string::npos)
            << "without " << input.first << ": " << missing.err;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, FileTable, testing::ValuesIn(program_table()),
                         [](const testing::TestParamInfo<ProgramRow>& info) {
                             std::string name = info.param.program;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
