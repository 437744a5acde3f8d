// Single-key input from a terminal and the framed character board of 20 rows
// by 40 columns, shared by chase_game and display. Each program passes its
// own border characters.
#pragma once

#include <cstdio>

struct BoardBorder {
    char row;     // the 40 characters of rows 1 and 20
    char left;    // first character of a content row
    char right;   // last character of a content row, before the newline
};

constexpr int board_rows = 20;
constexpr int board_width = 40;
constexpr int board_interior = board_width - 2;

// The last key before any key is read: matches none of the programs' keys.
constexpr int no_key = '\0';

// When standard input is a terminal: saves its settings and turns canonical
// input off (nothing else), so each key arrives without Enter. The saved
// settings come back on restore_terminal() and when a signal ends or stops
// the program, and at exit. Keys piped in are read as they are, without any
// change.
void enter_raw_mode();

// Puts the saved terminal settings back (nothing when none were changed).
void restore_terminal();

// Flushes the frame on standard output, then reads one key (EOF at end of input).
// A frame that could not be written ends the program (status 1).
int read_key();

// The quit key "q"; end of input ends the program the same way.
bool ends_loop(int key);

void clear_screen();
void draw_horizontal_borders(const BoardBorder& border, int row);
bool not_top_or_bottom_row(int row);
int draw_left_border(const BoardBorder& border);
void draw_right_border(const BoardBorder& border);
void draw_empty_spaces(int count);
void draw_empty_row(const BoardBorder& border);

// The 20 board rows: border rows 1 and 20, and draw_content_row(row) for the
// rows between.
template <typename DrawContentRow>
void draw_board(const BoardBorder& border, DrawContentRow draw_content_row)
{
    for (int row = 1; row <= board_rows; ++row) {
        draw_horizontal_borders(border, row);
        if (not_top_or_bottom_row(row))
            draw_content_row(row);
    }
}

// The redraw loop: before every key, and once before the first, the screen is
// cleared and pass(last_key) draws the frame. Ends on "q" or end of input,
// without a further frame, and restores the terminal.
template <typename Pass>
void redraw_until_quit(Pass pass)
{
    int key = no_key;
    while (!ends_loop(key)) {
        clear_screen();
        pass(key);
        key = read_key();
    }
    restore_terminal();
}
