// display and face_banner with keys piped in: the frames byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "tests/program_runner.h"

namespace {

const std::string clear(20, '\n');
const std::string instructions = "Press 's' for smileys, 'f' for frowneys, and 'q' to quit\n";
const std::string border_row = std::string(40, '+') + "\n";

// "{", 18 blanks, the part, blanks up to column 39, "}".
std::string content_row(const std::string& part)
{
    std::string row = "{" + std::string(18, ' ') + part;
    return row + std::string(39 - row.size(), ' ') + "}\n";
}

std::string frame(const char* eyes, const char* nose, const char* mouth)
{
    std::string text = clear + instructions + border_row;
    for (int row = 2; row <= 19; ++row)
        text += content_row(row == 8 ? eyes : row == 9 ? nose : row == 10 ? mouth : "");
    return text + border_row;
}

const std::string blank = frame("", "", "");
const std::string smiley = frame(".  .", "  |  ", "\\___/");
const std::string frowney = frame("O  O", "  |  ", "/```\\");

struct DisplayCase {
    const char* name;
    std::string keys;
    std::string frames;   // after the one clear_screen of the start
};

TEST(Display, FramesForKeys)
{
    const DisplayCase cases[] = {
        {"end of input at once: the blank board only", "", blank},
        {"q at once: no frame after it", "q", blank},
        {"s then q", "sq", blank + smiley},
        {"f, s twice, Enter, end of input", "fss\n", blank + frowney + smiley + smiley + blank},
        {"upper case and unknown keys show the blank board", "SFx q", blank + blank + blank + blank + blank},
        {"keys after q are not read", "sqf", blank + smiley},
    };
    for (const auto& c : cases) {
        ProgramRun run = run_program("display", {{}, {}, {}, c.keys, 10});
        EXPECT_EQ(run.out, clear + c.frames) << c.name;
        EXPECT_EQ(run.err, "") << c.name;
        EXPECT_EQ(run.status, 0) << c.name;
    }
}

TEST(FaceBanner, FiveLinesOf76Bytes)
{
    ProgramRun run = run_program("face_banner", {{}, {}, {}, "ignored\n", 10});
    EXPECT_EQ(run.out, " +++++++++++++\n"
                       " {   O   O   }\n"
                       " {     >     }\n"
                       " {  /`````\\  } \n"
                       " +++++++++++++\n");
    EXPECT_EQ(run.out.size(), 76u);
    EXPECT_EQ(count_lines(run.out), 5u);
    EXPECT_EQ(run.status, 0);
}

}  // namespace
