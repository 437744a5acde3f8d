// chase_game with keys piped in. Given --seed, the placements are fixed, so
// each case states the screen its keys end on; without it, the clock's second
// seeds the game.
#include <gtest/gtest.h>

#include <ctime>
#include <map>
#include <string>

#include "tests/program_runner.h"

namespace {

const std::string clear(20, '\n');
const std::string instructions =
    "Press 'w' to go UP, 's' to go DOWN, 'a' to go LEFT, 'd' to go RIGHT, and 'q' to quit\n";
const std::string loss_line = "You lost. Press 'q' to quit \n";
const std::string border_row = std::string(40, '-') + "\n";
const std::string empty_row = "|" + std::string(38, ' ') + "|\n";

struct Cell {
    int x;
    int y;
};

std::string position_line(Cell c)
{
    return "Current Position: x: " + std::to_string(c.x) + ", y: " + std::to_string(c.y) + "\n";
}

std::string repeat(int n, char key)
{
    return std::string(n, key);
}

ProgramRun play(long seed, const std::string& keys)
{
    return run_program("chase_game", {{"--seed", std::to_string(seed)}, {}, {}, keys, 10});
}

size_t frame_count(const std::string& out)
{
    size_t n = 0;
    for (size_t at = out.find(instructions); at != std::string::npos; at = out.find(instructions, at + 1))
        ++n;
    return n;
}

std::string last_line_from(const std::string& out, const std::string& start)
{
    const size_t at = out.rfind(start);
    return at == std::string::npos ? "" : out.substr(at, out.find('\n', at) + 1 - at);
}

std::string last_frame(const std::string& out)
{
    const size_t at = out.rfind(clear + instructions);
    return at == std::string::npos ? "" : out.substr(at);
}

TEST(ChaseGame, MovesWallsAndQuitting)
{
    struct Case {
        const char* name;
        std::string keys;
        size_t frames;   // one before the first key, one after each key up to q
        Cell last;
    };
    const Case cases[] = {
        {"end of input at once", "", 1, {20, 10}},
        {"q at once, the keys after it unread", "qwww", 1, {20, 10}},
        {"left to column 2", repeat(18, 'a'), 19, {2, 10}},
        {"left from 2 lands on 36", repeat(19, 'a'), 20, {36, 10}},
        {"right to column 36", repeat(16, 'd'), 17, {36, 10}},
        {"right from 36 lands on 1", repeat(17, 'd'), 18, {1, 10}},
        {"left at 1 does nothing", repeat(17, 'd') + "a", 19, {1, 10}},
        {"right from 1, then q", repeat(18, 'd') + "qd", 19, {2, 10}},
        {"up to row 2", repeat(8, 'w'), 9, {20, 2}},
        {"up at row 2 stays", repeat(12, 'w'), 13, {20, 2}},
        {"down to row 19", repeat(9, 's'), 10, {20, 19}},
        {"down at row 19 stays", repeat(12, 's') + "q", 13, {20, 19}},
        {"keys without a meaning, Enter and upper case", "x\n WASDQ\x1b", 10, {20, 10}},
        {"there and back", "wasd", 5, {20, 10}},
    };
    for (const Case& c : cases) {
        const ProgramRun run = play(1, c.keys);
        EXPECT_EQ(run.status, 0) << c.name;
        EXPECT_EQ(run.err, "") << c.name;
        EXPECT_EQ(frame_count(run.out), c.frames) << c.name;
        EXPECT_EQ(last_line_from(run.out, "Current Position: "), position_line(c.last)) << c.name;
    }
}

// The last frame of a game: the rows listed hold a piece, every other content
// row is empty.
struct Screen {
    const char* name;
    long seed;
    std::string keys;
    Cell player;
    Cell item;   // as its line shows it: where it stood before the pass
    bool lost;
    std::map<int, std::string> rows;
};

std::string frame(const Screen& s)
{
    std::string text = clear + instructions + position_line(s.player) + "The item position is " +
                       std::to_string(s.item.x) + " on x-axis and " + std::to_string(s.item.y) +
                       " on y-axis. \n" + (s.lost ? loss_line : "") + border_row;
    for (int row = 2; row <= 19; ++row) {
        const auto r = s.rows.find(row);
        text += r == s.rows.end() ? empty_row : r->second + "\n";
    }
    return text + border_row;
}

TEST(ChaseGame, ScreensOfASeededGame)
{
    const Screen screens[] = {
        {"pieces in three rows", 1, "", {20, 10}, {10, 2}, false,
         {{2, "|          @                           |"},
          {10, "|                    *                 |"},
          {16, "|                    ~                 |"}}},
        {"the attacker left of the player", 43, "", {20, 10}, {10, 3}, false,
         {{3, "|          @                           |"},
          {10, "|          ~         *                 |"}}},
        {"the attacker right of the player", 21, "", {20, 10}, {3, 4}, false,
         {{4, "|   @                                  |"},
          {10, "|                    *           ~     |"}}},
        {"the item and the player in one row", 8, "", {20, 10}, {31, 10}, false,
         {{10, "|                    *          @      |"},
          {18, "|      ~                               |"}}},
        {"the attacker beside the item", 2, "", {20, 10}, {9, 6}, false,
         {{6, "|        ~@                            |"},
          {10, "|                    *                 |"}}},
        {"the attacker on the item: the row is one wider", 692, "", {20, 10}, {6, 17}, false,
         {{10, "|                    *                 |"},
          {17, "|      @~                               |"}}},
        {"caught in the first pass", 70, "", {20, 10}, {6, 18}, true,
         {{10, "|                    *~                 |"},
          {18, "|      @                               |"}}},
        {"all three in one row: the attacker is left out", 334, "", {20, 10}, {26, 10}, false,
         {{10, "|                    *     @           |"}}},
        {"caught in the bottom row", 1, repeat(9, 's'), {20, 19}, {10, 2}, true,
         {{2, "|          @                           |"},
          {19, "|                    *~                 |"}}},
        {"the attacker steps off upwards", 1, repeat(9, 's') + "x", {20, 19}, {10, 2}, false,
         {{2, "|          @                           |"},
          {18, "|                    ~                 |"},
          {19, "|                    *                 |"}}},
        {"and back onto the still player", 1, repeat(9, 's') + "xx", {20, 19}, {10, 2}, true,
         {{2, "|          @                           |"},
          {19, "|                    *~                 |"}}},
        {"caught in the top row", 5, repeat(8, 'w') + repeat(9, 'x'), {20, 2}, {31, 7}, true,
         {{2, "|                    *~                 |"},
          {7, "|                               @      |"}}},
        {"the attacker steps onto the border row", 5, repeat(8, 'w') + repeat(10, 'x'), {20, 2}, {31, 7},
         false,
         {{2, "|                    *                 |"},
          {7, "|                               @      |"}}},
        {"reaching the item: its line shows where it stood", 1, repeat(8, 'w') + repeat(10, 'a'), {10, 2},
         {10, 2}, false,
         {{2, "|          *                           |"},
          {5, "|      @                               |"},
          {8, "|          ~                           |"}}},
        {"one key later it shows where it jumped", 1, repeat(8, 'w') + repeat(10, 'a') + "x", {10, 2},
         {6, 5}, false,
         {{2, "|          *                           |"},
          {5, "|      @                               |"},
          {7, "|          ~                           |"}}},
    };
    for (const Screen& s : screens) {
        SCOPED_TRACE(s.name);
        const ProgramRun run = play(s.seed, s.keys);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        if (s.keys.empty())
            EXPECT_EQ(run.out, clear + frame(s)) << "the screen is cleared once more before the only frame";
        else
            EXPECT_EQ(last_frame(run.out), frame(s));
    }
}

TEST(ChaseGame, WithoutASeedTheClockSeeds)
{
    const std::string keys = "wasdwasd";
    const std::time_t before = std::time(nullptr);
    const ProgramRun run = run_program("chase_game", {{}, {}, {}, keys, 10});
    const std::time_t after = std::time(nullptr);
    EXPECT_EQ(run.status, 0);
    bool replayed = false;
    for (std::time_t t = before; t <= after && !replayed; ++t)
        replayed = play(static_cast<long>(t), keys).out == run.out;
    EXPECT_TRUE(replayed) << "no second the run spanned, given as --seed, gives its screens";
}

}  // namespace
