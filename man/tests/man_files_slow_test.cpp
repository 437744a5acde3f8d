// Every program run on the sample data in a fresh folder: it must write
// exactly the files of its row in the file table, leave its inputs as they
// were, and fail naming each input when that one is missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>

#include "man/tests/file_table.h"
#include "tests/program_runner.h"

// Failure messages name the row by its program.
void PrintTo(const FileUse& use, std::ostream* out)
{
    *out << use.program;
}

namespace {

using Files = std::map<std::string, std::string>;

const Files& sample_files()
{
    static const Files files = run_program("make_sample_data", {{"."}, {}, {}, "", 60}).files;
    return files;
}

Files inputs_of(const FileUse& use);

// An input that is not sample data: the file as its first writer leaves it.
std::string output_of(const std::string& name)
{
    for (const FileUse& use : file_uses)
        if (std::count(use.writes.begin(), use.writes.end(), name))
            return run_program(use.program, {use.args, inputs_of(use), {}, use.input}).files.at(name);
    ADD_FAILURE() << "no program writes " << name;
    return "";
}

Files inputs_of(const FileUse& use)
{
    Files inputs;
    for (const std::string& name : use.reads) {
        if (name == datafile)
            inputs[name] = sample_files().at(datafile_sample.at(use.program));
        else if (sample_files().count(name))
            inputs[name] = sample_files().at(name);
        else
            inputs[name] = output_of(name);
    }
    return inputs;
}

class FileTable : public testing::TestWithParam<FileUse> {};

TEST_P(FileTable, WritesItsFilesAndNeedsItsInputs)
{
    const FileUse& use = GetParam();
    const Files inputs = inputs_of(use);
    const ProgramRun run = run_program(use.program, {use.args, inputs, {}, use.input});
    ASSERT_EQ(run.status, 0) << run.err;

    std::set<std::string> written;
    for (const auto& [name, content] : run.files) {
        auto given = inputs.find(name);
        if (given == inputs.end())
            written.insert(name);
        else
            EXPECT_EQ(content, given->second) << name << " was rewritten";
    }
    EXPECT_EQ(written, std::set<std::string>(use.writes.begin(), use.writes.end()));

    for (const std::string& name : use.reads) {
        Files without = inputs;
        without.erase(name);
        const ProgramRun missing = run_program(use.program, {use.args, without, {}, use.input});
        EXPECT_EQ(missing.status, 1) << "without " << name;
        EXPECT_NE(missing.err.find(name), std::string::npos) << "without " << name << ": " << missing.err;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, FileTable, testing::ValuesIn(file_uses),
                         [](const testing::TestParamInfo<FileUse>& info) {
                             std::string name = info.param.program;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
