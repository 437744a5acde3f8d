// display: a framed board that shows a smiley face after "s", a frowning face
// after "f" and nothing after any other key, redrawn on every key; q quits.
#include <cstdio>

#include "common/command_line.h"
#include "terminal/raw_board.h"

namespace {

constexpr BoardBorder border{'+', '{', '}'};

// Faces start in column 20: the left border, then this many blanks.
constexpr int left_margin = 18;
// The face parts fill rows 8 (eyes), 9 (nose) and 10 (mouth).
constexpr int face_first_row = 8;
constexpr int face_rows = 3;
constexpr ProgramUsage usage{
    "", "A framed board that shows a smiley face after s, a frowning face after f and\n"
        "nothing after any other key, redrawn on every key; q quits.\n"
        "Reads keys from standard input; writes no file."};

using Face = const char* [face_rows];
constexpr Face smiley = {".  .", "  |  ", "\\___/"};
constexpr Face frowney = {"O  O", "  |  ", "/```\\"};

void display_instructions()
{
    std::puts("Press 's' for smileys, 'f' for frowneys, and 'q' to quit");
}

// Counts one more than it prints: that one stands for the right border.
int draw_left_margin(int count)
{
    draw_empty_spaces(count);
    return count + 1;
}

// What is left of the width for the face part and the blanks after it.
int draw_left_of_content(int width)
{
    const int border_width = draw_left_border(border);
    const int margin = draw_left_margin(left_margin);
    return width - border_width - margin;
}

void draw_rest_of_line(int count)
{
    draw_empty_spaces(count);
    draw_right_border(border);
}

void print_face_row(const Face& face, int row)
{
    int remaining = draw_left_of_content(board_width);
    if (row >= face_first_row && row < face_first_row + face_rows)
        remaining -= std::printf("%s", face[row - face_first_row]);
    draw_rest_of_line(remaining);
}

}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    enter_raw_mode();
    clear_screen();
    redraw_until_quit([](int key) {
        display_instructions();
        draw_board(border, [key](int row) {
            if (key == 's')
                print_face_row(smiley, row);
            else if (key == 'f')
                print_face_row(frowney, row);
            else
                draw_empty_row(border);
        });
    });
    return 0;
}
