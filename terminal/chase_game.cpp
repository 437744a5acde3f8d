// chase_game: the player "*" moves over a framed board with w, a, s and d; the
// attacker "~" steps one cell towards the player after every key; the item "@"
// jumps to a new random cell when the player reaches it. q quits.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "common/command_line.h"
#include "terminal/raw_board.h"

namespace {

constexpr BoardBorder border{'-', '|', '|'};

constexpr int start_x = 20;
constexpr int start_y = 10;
// Random placements: x from 1 to 36, y from 2 to 18.
constexpr int random_columns = 36;
constexpr int random_rows = 17;
constexpr int first_random_row = 2;
// Horizontal moves wrap between columns 1 and 36; vertical moves stop at the
// top and bottom content rows.
constexpr int leftmost_x = 1;
constexpr int rightmost_x = 36;
constexpr int top_y = 2;
constexpr int bottom_y = 19;
// Blanks in a content row besides its one symbol.
constexpr int row_blanks = board_interior - 1;

constexpr const char* loss_message = "You lost. Press 'q' to quit ";

// The seed of the random placements; a game given the same seed and keys
// replays exactly.
constexpr long clock_seed = -1;   // the time in seconds
long seed = clock_seed;
const Options options = {
    {"seed", &seed, "", "seed of the random placements", between(0, UINT_MAX), "the clock"},
};
constexpr ProgramUsage usage{
    "", "The player * moves over a framed board with w, a, s and d, the attacker ~ follows,\n"
        "the item @ jumps away when reached; q quits.\n"
        "Reads keys from standard input; writes no file."};

using SymbolPrinter = void (*)();

void display_instructions()
{
    std::puts("Press 'w' to go UP, 's' to go DOWN, 'a' to go LEFT, 'd' to go RIGHT, and 'q' to quit");
}

void display_position(int x, int y)
{
    std::printf("Current Position: x: %d, y: %d\n", x, y);
}

void display_item(int x, int y)
{
    std::printf("The item position is %d on x-axis and %d on y-axis. \n", x, y);
}

void seed_random_generator()
{
    if (seed == clock_seed)
        std::srand(static_cast<unsigned>(std::time(nullptr)));
    else
        std::srand(static_cast<unsigned>(seed));
}

int random_x()
{
    return std::rand() % random_columns + 1;
}

int random_y()
{
    return std::rand() % random_rows + first_random_row;
}

void update_x_position(int& x, int step)
{
    x += step;
    if (x <= leftmost_x)
        x = rightmost_x;
    if (x > rightmost_x)
        x = leftmost_x;
}

void update_y_position(int& y, int step)
{
    y += step;
    if (y < top_y)
        y = bottom_y;
    if (y > bottom_y)
        y = top_y;
}

void update_position(int& x, int& y, int key)
{
    if (key == 'a' && x > leftmost_x)
        update_x_position(x, -1);
    else if (key == 'd' && x <= rightmost_x)
        update_x_position(x, +1);
    else if (key == 'w' && y > top_y)
        update_y_position(y, -1);
    else if (key == 's' && y < bottom_y)
        update_y_position(y, +1);
}

// Closes the gap in x first; only when the columns agree does it move in y,
// and then upwards also when it already stands on the player.
void update_attacker_position(int& attacker_x, int& attacker_y, int player_x, int player_y)
{
    if (attacker_x < player_x)
        ++attacker_x;
    else if (attacker_x > player_x)
        --attacker_x;
    else if (attacker_y < player_y)
        ++attacker_y;
    else
        --attacker_y;
}

void print_token()
{
    std::putchar('*');
}

void print_attacker()
{
    std::putchar('~');
}

void print_item()
{
    std::putchar('@');
}

void draw_row_with_one_piece(SymbolPrinter print_symbol, int x)
{
    draw_left_border(border);
    draw_empty_spaces(x);
    print_symbol();
    draw_empty_spaces(row_blanks - x);
    draw_right_border(border);
}

// Each symbol at its own piece's column; in a shared column `first` comes
// first and the row is one character wider.
void draw_row_with_two_pieces(SymbolPrinter first, int first_x, SymbolPrinter second, int second_x)
{
    if (second_x < first_x) {
        draw_row_with_two_pieces(second, second_x, first, first_x);
        return;
    }
    draw_left_border(border);
    draw_empty_spaces(first_x);
    first();
    draw_empty_spaces(second_x - first_x - 1);
    second();
    draw_empty_spaces(row_blanks - second_x);
    draw_right_border(border);
}

void draw_row_with_token(int x)
{
    draw_row_with_one_piece(print_token, x);
}

void draw_row_with_item(int x)
{
    draw_row_with_one_piece(print_item, x);
}

void draw_row_with_attacker(int x)
{
    draw_row_with_one_piece(print_attacker, x);
}

void draw_row_with_token_and_item(int token_x, int item_x)
{
    draw_row_with_two_pieces(print_item, item_x, print_token, token_x);
}

void draw_row_with_attacker_and_token(int attacker_x, int token_x)
{
    draw_row_with_two_pieces(print_token, token_x, print_attacker, attacker_x);
}

void draw_row_with_attacker_and_item(int attacker_x, int item_x)
{
    draw_row_with_two_pieces(print_item, item_x, print_attacker, attacker_x);
}

// When all three share a row the attacker is left out of it.
void redraw_screen(int player_x, int player_y, int item_x, int item_y, int attacker_x,
                   int attacker_y)
{
    draw_board(border, [=](int row) {
        if (row == item_y && row == player_y)
            draw_row_with_token_and_item(player_x, item_x);
        else if (row == attacker_y && row == player_y)
            draw_row_with_attacker_and_token(attacker_x, player_x);
        else if (row == attacker_y && row == item_y)
            draw_row_with_attacker_and_item(attacker_x, item_x);
        else if (row == player_y)
            draw_row_with_token(player_x);
        else if (row == item_y)
            draw_row_with_item(item_x);
        else if (row == attacker_y)
            draw_row_with_attacker(attacker_x);
        else
            draw_empty_row(border);
    });
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    enter_raw_mode();
    clear_screen();
    seed_random_generator();
    int player_x = start_x;
    int player_y = start_y;
    // Drawn in this order: attacker x, attacker y, item x, item y.
    int attacker_x = random_x();
    int attacker_y = random_y();
    int item_x = random_x();
    int item_y = random_y();

    redraw_until_quit([&](int key) {
        display_instructions();
        update_position(player_x, player_y, key);
        display_position(player_x, player_y);
        // The item as it stood before this pass; the board shows any jump.
        display_item(item_x, item_y);
        update_attacker_position(attacker_x, attacker_y, player_x, player_y);
        if (player_x == item_x && player_y == item_y) {
            item_x = random_x();
            item_y = random_y();
        }
        if (attacker_x == player_x && attacker_y == player_y)
            std::puts(loss_message);
        redraw_screen(player_x, player_y, item_x, item_y, attacker_x, attacker_y);
    });
    return 0;
}
