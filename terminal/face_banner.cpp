// face_banner: prints a fixed five-line character face and ends.
#include <cstdio>

#include "common/command_line.h"

namespace {
constexpr ProgramUsage usage{"", "Prints a fixed five-line character face.\nReads and writes no file."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    std::fputs(" +++++++++++++\n"
               " {   O   O   }\n"
               " {     >     }\n"
               " {  /`````\\  } \n"
               " +++++++++++++\n",
               stdout);
    return 0;
}
