// chase_game with keys piped in. Its placements come from rand seeded with the
// time in seconds, or with --seed, so every run is replayed from the seeds of
// the seconds it ran in or from its own: the attacker's steps, the item's
// jumps and every board row must agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/program_runner.h"

namespace {

const std::string instructions =
    "Press 'w' to go UP, 's' to go DOWN, 'a' to go LEFT, 'd' to go RIGHT, and 'q' to quit";
const std::string loss_line = "You lost. Press 'q' to quit ";
const std::string border_row(40, '-');

struct Cell {
    int x;
    int y;
    bool operator==(const Cell& o) const { return x == o.x && y == o.y; }
};

struct Frame {
    Cell player;
    Cell item_shown;                  // the item line: where it stood before the pass
    bool lost;
    std::vector<std::string> board;   // the 20 board lines
};

std::string position_line(Cell c)
{
    return "Current Position: x: " + std::to_string(c.x) + ", y: " + std::to_string(c.y);
}

std::string item_line(Cell c)
{
    return "The item position is " + std::to_string(c.x) + " on x-axis and " +
           std::to_string(c.y) + " on y-axis. ";
}

// The output as frames; throws at the first line out of place.
std::vector<Frame> parse_frames(const std::string& out)
{
    if (out.empty() || out.back() != '\n')
        throw std::runtime_error("output does not end in a newline");
    const std::vector<std::string> lines = split_lines(out);
    size_t i = 0;
    auto next = [&]() -> const std::string& {
        if (i == lines.size())
            throw std::runtime_error("output ends inside a frame");
        return lines[i++];
    };
    auto expect = [&](const std::string& want) {
        const std::string& got = next();
        if (got != want)
            throw std::runtime_error("line " + std::to_string(i) + ": expected \"" + want +
                                     "\", got \"" + got + "\"");
    };
    for (int n = 0; n < 20; ++n)
        expect("");
    std::vector<Frame> frames;
    while (i < lines.size()) {
        for (int n = 0; n < 20; ++n)
            expect("");
        expect(instructions);
        Frame f{};
        std::sscanf(lines[i].c_str(), "Current Position: x: %d, y: %d", &f.player.x, &f.player.y);
        expect(position_line(f.player));
        std::sscanf(lines[i].c_str(), "The item position is %d on x-axis and %d", &f.item_shown.x,
                    &f.item_shown.y);
        expect(item_line(f.item_shown));
        f.lost = i < lines.size() && lines[i] == loss_line;
        i += f.lost;
        for (int n = 0; n < 20; ++n)
            f.board.push_back(next());
        frames.push_back(f);
    }
    return frames;
}

int draw_x()
{
    return std::rand() % 36 + 1;
}

int draw_y()
{
    return std::rand() % 17 + 2;
}

// Each symbol at its piece's column; in a shared column the item comes before
// the token and the token before the attacker; with all three in one row the
// attacker is left out.
std::string expected_row(int row, Cell player, Cell item, Cell attacker)
{
    struct Piece {
        int x;
        int rank;
        char symbol;
    };
    std::vector<Piece> pieces;
    if (item.y == row)
        pieces.push_back({item.x, 0, '@'});
    if (player.y == row)
        pieces.push_back({player.x, 1, '*'});
    if (attacker.y == row && !(item.y == row && player.y == row))
        pieces.push_back({attacker.x, 2, '~'});
    std::sort(pieces.begin(), pieces.end(),
              [](const Piece& a, const Piece& b) { return a.x != b.x ? a.x < b.x : a.rank < b.rank; });
    std::string text = "|";
    int column = 0;
    for (const Piece& p : pieces) {
        text.append(std::max(0, p.x - column), ' ');
        text += p.symbol;
        column = p.x + 1;
    }
    text.append(38 - column, ' ');
    return text + "|";
}

// Replays the frames from a seed; "" when they all agree, else the first difference.
std::string replay(unsigned seed, const std::vector<Frame>& frames)
{
    std::srand(seed);
    Cell attacker{};
    attacker.x = draw_x();
    attacker.y = draw_y();
    Cell item{};
    item.x = draw_x();
    item.y = draw_y();
    for (size_t n = 0; n < frames.size(); ++n) {
        const Frame& f = frames[n];
        const std::string where = "seed " + std::to_string(seed) + ", frame " + std::to_string(n);
        if (!(f.item_shown == item))
            return where + ": item line " + item_line(f.item_shown) + ", replay " + item_line(item);
        if (attacker.x != f.player.x)
            attacker.x += attacker.x < f.player.x ? 1 : -1;
        else
            attacker.y += attacker.y < f.player.y ? 1 : -1;
        if (f.player == item) {
            item.x = draw_x();
            item.y = draw_y();
        }
        if (f.lost != (attacker == f.player))
            return where + ": loss line " + (f.lost ? "shown" : "missing");
        for (int row = 1; row <= 20; ++row) {
            const std::string want = row == 1 || row == 20 ? border_row
                                                           : expected_row(row, f.player, item, attacker);
            if (f.board[row - 1] != want)
                return where + ", row " + std::to_string(row) + ": expected \"" + want +
                       "\", got \"" + f.board[row - 1] + "\"";
        }
    }
    return "";
}

// The frames of a finished game: one per key up to q, and once before the first.
std::vector<Frame> frames_of(const ProgramRun& run, const std::string& keys)
{
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<Frame> frames = parse_frames(run.out);
    EXPECT_EQ(frames.size(), keys.substr(0, keys.find('q')).size() + 1) << "one frame per key";
    return frames;
}

// Runs the game on the keys and checks its frames against a replay.
std::vector<Frame> play(const std::string& keys)
{
    const time_t before = std::time(nullptr);
    const ProgramRun run = run_program("chase_game", {{}, {}, {}, keys, 10});
    const time_t after = std::time(nullptr);
    const std::vector<Frame> frames = frames_of(run, keys);
    std::string differences;
    for (time_t t = before; t <= after; ++t) {
        const std::string difference = replay(static_cast<unsigned>(t), frames);
        if (difference.empty())
            return frames;
        differences += difference + "\n";
    }
    ADD_FAILURE() << differences;
    return frames;
}

// A game given --seed: replayed from that seed, the same screens twice, and
// other screens with the next seed.
std::vector<Frame> play_seeded(const std::string& keys, unsigned seed)
{
    auto run_with = [&keys](unsigned s) {
        return run_program("chase_game", {{"--seed", std::to_string(s)}, {}, {}, keys, 10});
    };
    const ProgramRun run = run_with(seed);
    EXPECT_EQ(run_with(seed).out, run.out) << "the same seed gives the same screens";
    EXPECT_NE(run_with(seed + 1).out, run.out) << "another seed places the pieces elsewhere";
    const std::vector<Frame> frames = frames_of(run, keys);
    EXPECT_EQ(replay(seed, frames), "");
    return frames;
}

std::string repeat(int n, char key)
{
    return std::string(n, key);
}

TEST(ChaseGame, PlayerMovesAndWrapsAround)
{
    struct Case {
        const char* name;
        std::string keys;
        Cell last;
        long seed = -1;   // none: the clock
    };
    const Case cases[] = {
        {"first pass before any key", "", {20, 10}},
        {"q at once", "qwww", {20, 10}},
        {"left to column 2", repeat(18, 'a'), {2, 10}},
        {"left from 2 lands on 36", repeat(19, 'a'), {36, 10}},
        {"right to column 36", repeat(16, 'd'), {36, 10}},
        {"right from 36 lands on 1", repeat(17, 'd'), {1, 10}},
        {"left at 1 does nothing", repeat(17, 'd') + "a", {1, 10}},
        {"right from 1", repeat(18, 'd') + "q", {2, 10}},
        {"up to row 2", repeat(8, 'w'), {20, 2}},
        {"up at row 2 stays", repeat(12, 'w'), {20, 2}},
        {"down to row 19", repeat(9, 's'), {20, 19}},
        {"down at row 19 stays", repeat(12, 's') + "q", {20, 19}},
        {"keys without a meaning, Enter and upper case", "x\n WASDQ\x1b", {20, 10}},
        {"there and back", "wasd", {20, 10}},
        {"there and back twice, seeded", "wasdwasd", {20, 10}, 4242},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Frame> frames =
            c.seed < 0 ? play(c.keys) : play_seeded(c.keys, static_cast<unsigned>(c.seed));
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(position_line(frames.back().player), position_line(c.last));
    }
}

TEST(ChaseGame, AttackerCatchesAStillPlayer)
{
    struct Case {
        const char* name;
        int moves;
        char move;
        int row;
    };
    // An item never stands in row 19, so the token and the attacker share it alone.
    const Case cases[] = {
        {"bottom row", 9, 's', 19},
        {"top row: the attacker steps onto the border row", 8, 'w', 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Frame> frames = play(repeat(c.moves, c.move) + repeat(80, 'x'));
        // The attacker starts anywhere, so it may catch the player on the way;
        // only catches after the last move show the still player's row.
        const auto caught = std::find_if(frames.begin() + c.moves, frames.end(),
                                         [](const Frame& f) { return f.lost; });
        ASSERT_LT(caught + 2, frames.end());
        // It steps off upwards and back on, again and again.
        EXPECT_FALSE(caught[1].lost);
        EXPECT_TRUE(caught[2].lost);
        if (c.row == 19)
            EXPECT_EQ(caught->board[18], "|" + std::string(20, ' ') + "*~" + std::string(17, ' ') + "|");
        else
            for (const auto& line : caught[1].board)
                EXPECT_EQ(line.find('~'), std::string::npos) << line;
    }
}

TEST(ChaseGame, ReachingTheItemMakesItJump)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        // The same second gives the same placements, so a first run shows the way.
        const Cell item = play("").at(0).item_shown;
        std::string keys = repeat(std::abs(item.y - 10), item.y < 10 ? 'w' : 's');
        if (item.x == 1)
            keys += repeat(17, 'd');
        else
            keys += repeat(std::abs(item.x - 20), item.x < 20 ? 'a' : 'd');
        const std::vector<Frame> frames = play(keys + "x");
        if (!(frames.at(0).item_shown == item))
            continue;
        const Frame& arrival = frames.at(keys.size());
        EXPECT_EQ(position_line(arrival.player), position_line(item));
        EXPECT_EQ(item_line(arrival.item_shown), item_line(item)) << "the line shows it before the jump";
        return;
    }
    FAIL() << "the clock's second turned between the runs of every attempt";
}

}  // namespace
