// The table of programs against everything else that names the programs: the
// build's executables, their sources, manual pages and --help, the
// dispatcher's list and README.md. A program left out of the table, or a
// table row that the suite lacks, fails here.
#include <dirent.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/program_runner.h"
#include "tests/program_table.h"

namespace {

using Names = std::set<std::string>;

const std::string source_dir = SUITE_SOURCE_DIR;

Names built_programs()
{
    const std::string bin = program_path("");
    Names programs;
    if (DIR* d = opendir(bin.c_str())) {
        while (dirent* e = readdir(d)) {
            struct stat st;
            if (stat((bin + e->d_name).c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR))
                programs.insert(e->d_name);
        }
        closedir(d);
    }
    return programs;
}

// Whether the text holds the file name, not as a part of a longer one.
bool has_name(const std::string& text, const std::string& name)
{
    return std::regex_search(text, std::regex("\\b" + std::regex_replace(name, std::regex("\\."), "\\.") + "\\b"));
}

TEST(ProgramTable, HoldsEveryBuiltProgramWithItsSourcePageAndReadmeEntry)
{
    const std::string readme = read_file(source_dir + "/README.md");
    Names in_table;
    for (const ProgramRow& row : program_table()) {
        in_table.insert(row.program);
        EXPECT_NE(read_file(source_dir + "/" + row.folder + "/" + row.program + ".cpp"), "") << row.program;
        EXPECT_NE(read_file(source_dir + "/man/" + row.program + ".1"), "") << row.program;
        EXPECT_NE(readme.find("`" + row.program + "`"), std::string::npos) << row.program << " in README.md";
    }
    EXPECT_EQ(built_programs(), in_table) << "build every target before testing";
}

// --help names every file of the row by its default name and every count of
// records as the default of an option.
TEST(ProgramTable, FilesAndCountsAreThoseOfEachProgramsHelp)
{
    for (const ProgramRow& row : program_table()) {
        const std::string help = run_program(row.program, {{"--help"}, {}, {}, ""}).out;
        for (const ProgramInput& in : row.reads) {
            EXPECT_TRUE(in.name == datafile || has_name(help, in.name)) << row.program << " reads " << in.name;
            EXPECT_TRUE(in.records == 0 || help.find("(default " + std::to_string(in.records)) != std::string::npos)
                << row.program << " reads " << in.records << " " << in.unit;
        }
        for (const std::string& name : row.writes)
            EXPECT_TRUE(has_name(help, name)) << row.program << " writes " << name;
    }
}

// The dispatcher lists the programs in the table's order with its
// descriptions, under a heading ("| " here) where the folder changes; it
// leaves itself out.
TEST(ProgramTable, IsTheDispatchersList)
{
    std::string listed;
    for (const std::string& line : split_lines(run_program("physics-suite", {{"--list"}, {}, {}, ""}).out))
        listed += line.rfind("  ", 0) == 0 ? std::regex_replace(line.substr(2), std::regex(" +"), " ") + "\n"
                  : line.empty()           ? ""
                                           : "| ";
    std::string expected, folder;
    for (const ProgramRow& row : program_table())
        if (row.program != "physics-suite") {
            expected += (row.folder != folder ? "| " : "") + row.program + " " + row.description + "\n";
            folder = row.folder;
        }
    EXPECT_EQ(listed, expected);
}

}  // namespace
