// The table of the suite's programs (suite/programs.tsv): each program's
// folder, usage, run on the sample data, files and one line of description.
#pragma once

#include <string>
#include <vector>

// Names the input given as the first argument, as the manual pages call it.
inline const std::string datafile = "DATAFILE";

struct ProgramInput {
    std::string name;
    int records = 0;      // the fixed number read; 0 for a file read to its end
    std::string unit;     // what a record is, as the program's messages count it
};

struct ProgramRow {
    std::string program;
    std::string folder;
    std::string usage;                    // the usage line: "usage: NAME ARGUMENTS"
    bool takes_arguments = false;
    std::vector<std::string> args;        // the run on the sample data
    std::string input;                    // its standard input
    std::vector<ProgramInput> reads;
    std::vector<std::string> writes;
    bool prints = false;                  // that run writes to standard output
    bool notes = false;                   // and notes to standard error
    std::string description;
};

// The rows in the order of the file; throws when it cannot be read or a line
// does not hold every field.
const std::vector<ProgramRow>& program_table();

// The row of a program; throws for a program the table does not hold.
const ProgramRow& program_row(const std::string& program);

// The names of the files a row reads.
std::vector<std::string> read_names(const ProgramRow& row);
