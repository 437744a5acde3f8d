// The manual pages: one per built program and no other, every page rendered
// by man without a warning, one header and one order of sections, and FILES
// naming exactly the files of the program's row in the table of programs.
#include <dirent.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/program_runner.h"
#include "tests/program_table.h"

namespace {

using Names = std::set<std::string>;

const std::string man_dir = SUITE_MAN_DIR;
const std::string overview_page = "physics_suite.7";
// OUTPUT is optional: pages of programs that print a report describe it there.
const std::vector<std::string> section_order = {"NAME",   "SYNOPSIS", "DESCRIPTION",
                                                "OPTIONS", "OUTPUT",   "FILES",
                                                "EXIT STATUS", "EXAMPLES", "SEE ALSO"};
// Every page says how a lost write ends.
const std::string lost_write = "A write that fails (a full disk, say) ends the program with status 1 and one";

std::vector<std::string> directory_entries(const std::string& dir)
{
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d))
            names.push_back(e->d_name);
        closedir(d);
    }
    return names;
}

Names program_pages()
{
    Names programs;
    for (const std::string& name : directory_entries(man_dir))
        if (name.size() > 2 && name.compare(name.size() - 2, 2, ".1") == 0)
            programs.insert(name.substr(0, name.size() - 2));
    return programs;
}

std::string page_text(const std::string& program)
{
    return read_file(man_dir + "/" + program + ".1");
}

// The lines of one section, without its heading.
std::vector<std::string> section(const std::string& page, const std::string& title)
{
    std::vector<std::string> lines;
    bool inside = false;
    for (const std::string& line : split_lines(page)) {
        if (line.rfind(".SH", 0) == 0)
            inside = line == ".SH " + title;
        else if (inside)
            lines.push_back(line);
    }
    return lines;
}

// Macro arguments: blank-separated words, or quoted text.
std::vector<std::string> macro_arguments(const std::string& line)
{
    std::vector<std::string> args;
    std::istringstream in(line.substr(line.find(' ') + 1));
    std::string word;
    while (in >> std::ws && !in.eof()) {
        if (in.peek() == '"') {
            in.get();
            std::getline(in, word, '"');
        } else {
            in >> word;
        }
        args.push_back(word);
    }
    return args;
}

std::string unescape(std::string text)
{
    for (size_t at; (at = text.find("\\-")) != std::string::npos;)
        text.replace(at, 2, "-");
    return text;
}

// The names set in italic or bold on a tag line: all arguments of .I and .B,
// every other one of the alternating-font macros.
Names tag_names(const std::string& line)
{
    const std::string macro = line.substr(0, line.find(' '));
    const std::vector<std::string> args = macro_arguments(line);
    size_t first = 0, stride = 1;
    if (macro == ".IR" || macro == ".BR")
        stride = 2;
    else if (macro == ".RI" || macro == ".RB")
        first = 1, stride = 2;
    else if (macro != ".I" && macro != ".B")
        return {};
    Names names;
    for (size_t k = first; k < args.size(); k += stride)
        names.insert(unescape(args[k]));
    return names;
}

struct FilesSection {
    Names inputs, outputs, undirected;
    bool says_none = false;
};

// Each item of FILES is ".TP", the tag line, then text opening with "Input"
// or "Output"; a page without files says "None.".
FilesSection files_section(const std::string& page)
{
    const std::vector<std::string> lines = section(page, "FILES");
    FilesSection files;
    files.says_none = lines == std::vector<std::string>{"None."};
    for (size_t k = 0; k + 2 < lines.size(); ++k) {
        if (lines[k] != ".TP")
            continue;
        const Names names = tag_names(lines[k + 1]);
        const std::string& text = lines[k + 2];
        Names& into = text.rfind("Input", 0) == 0    ? files.inputs
                      : text.rfind("Output", 0) == 0 ? files.outputs
                                                     : files.undirected;
        into.insert(names.begin(), names.end());
    }
    return files;
}

std::string upper(std::string text)
{
    for (char& ch : text)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return text;
}

std::vector<std::string> all_pages()
{
    std::vector<std::string> pages;
    for (const std::string& program : program_pages())
        pages.push_back(program + ".1");
    pages.push_back(overview_page);
    return pages;
}

class PageRendering : public testing::TestWithParam<std::string> {};

TEST_P(PageRendering, WithoutWarnings)
{
    if (std::system("command -v man >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "man is not installed (apt-get install man-db)";
    const std::string command = "man --warnings -l '" + man_dir + "/" + GetParam() + "' 2>&1 >/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string warnings;
    char buffer[512];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        warnings.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(warnings, "");
}

INSTANTIATE_TEST_SUITE_P(EveryPage, PageRendering, testing::ValuesIn(all_pages()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(ManualPages, OnePagePerProgramOfTheTableAndEveryPageInTheOverview)
{
    const Names pages = program_pages();
    Names in_table;
    for (const ProgramRow& row : program_table())
        in_table.insert(row.program);
    EXPECT_EQ(pages, in_table) << "suite/programs.tsv";

    Names listed;
    for (const std::string& line : section(read_file(man_dir + "/" + overview_page), "PROGRAMS"))
        if (line.rfind(".BR ", 0) == 0)
            listed.insert(line.substr(4, line.find(' ', 4) - 4));
    EXPECT_EQ(listed, pages) << overview_page;
}

TEST(ManualPages, OneHeaderAndOneOrderOfSections)
{
    for (const std::string& program : program_pages()) {
        const std::string page = page_text(program);
        const std::vector<std::string> lines = split_lines(page);
        ASSERT_FALSE(lines.empty()) << program;
        EXPECT_EQ(lines[0], ".TH " + upper(program) + " 1 \"\" \"physics suite\" \"User Commands\"");

        std::vector<std::string> titles;
        for (const std::string& line : lines)
            if (line.rfind(".SH ", 0) == 0)
                titles.push_back(line.substr(4));
        std::vector<std::string> expected = section_order;
        if (section(page, "OUTPUT").empty())
            expected.erase(std::find(expected.begin(), expected.end(), "OUTPUT"));
        EXPECT_EQ(titles, expected) << program;

        const std::vector<std::string> options = section(page, "OPTIONS");
        EXPECT_TRUE(options.size() > 6 && options[1] == ".B \\-\\-help" && options[5] == ".B \\-\\-version")
            << program;
        const std::vector<std::string> exit_status = section(page, "EXIT STATUS");
        EXPECT_NE(std::find(exit_status.begin(), exit_status.end(), lost_write), exit_status.end()) << program;

        const std::vector<std::string> name = section(page, "NAME");
        EXPECT_TRUE(name.size() == 1 && name[0].rfind(program + " \\- ", 0) == 0) << program;
        const std::vector<std::string> synopsis = section(page, "SYNOPSIS");
        EXPECT_TRUE(!synopsis.empty() && synopsis[0] == ".B " + program) << program;
        const std::vector<std::string> see_also = section(page, "SEE ALSO");
        EXPECT_TRUE(!see_also.empty() && see_also.back() == ".BR physics_suite (7)") << program;
    }
}

// Every option that --help lists is described under OPTIONS (its dashes
// written \- or plain).
TEST(ManualPages, OptionsSectionDescribesEveryOptionOfHelp)
{
    const std::regex option(R"(^  --([a-z0-9-]+)=)");
    for (const std::string& program : program_pages()) {
        ProgramCase help;
        help.args = {"--help"};
        const ProgramRun run = run_program(program, help);
        std::string options;
        for (const std::string& line : section(page_text(program), "OPTIONS"))
            options += std::regex_replace(line, std::regex(R"(\\-)"), "-") + "\n";
        for (const std::string& line : split_lines(run.out)) {
            std::smatch m;
            if (!std::regex_search(line, m, option))
                continue;
            EXPECT_NE(options.find("--" + m[1].str()), std::string::npos)
                << program << ": --" << m[1] << " is not under OPTIONS";
        }
    }
}

TEST(ManualPages, FilesSectionNamesWhatTheProgramReadsAndWrites)
{
    for (const ProgramRow& row : program_table()) {
        const FilesSection files = files_section(page_text(row.program));
        const std::vector<std::string> reads = read_names(row);
        EXPECT_EQ(files.inputs, Names(reads.begin(), reads.end())) << row.program;
        EXPECT_EQ(files.outputs, Names(row.writes.begin(), row.writes.end())) << row.program;
        EXPECT_EQ(files.undirected, Names()) << row.program << ": an item says neither Input nor Output";
        EXPECT_EQ(files.says_none, reads.empty() && row.writes.empty()) << row.program;
    }
}

}  // namespace
