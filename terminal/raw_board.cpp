#include "terminal/raw_board.h"

#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "common/files.h"

namespace {

constexpr int clear_lines = 20;

// Signals whose default action ends the program: the terminal is restored
// first, then the signal takes its default course, so the parent still sees
// how the program ended.
constexpr int ending_signals[] = {SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGTERM};

struct termios oldt;
struct termios newt;
volatile sig_atomic_t raw_mode_on = 0;

void restore_and_reraise(int sig)
{
    const int saved_errno = errno;
    tcsetattr(STDIN_FILENO, TCSANOW, &oldt);
    // SA_RESETHAND has put back the default action; the signal is blocked in
    // here and takes effect as soon as the handler returns.
    raise(sig);
    errno = saved_errno;
}

void install_handler(int sig, void (*handler)(int), int flags)
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = flags;
    sigaction(sig, &action, nullptr);
}

// Ctrl-Z: the shell gets the terminal back as it was, and the keys go raw
// again when the program is continued in the foreground.
void suspend(int)
{
    const int saved_errno = errno;
    tcsetattr(STDIN_FILENO, TCSANOW, &oldt);
    install_handler(SIGTSTP, SIG_DFL, 0);
    sigset_t tstp;
    sigemptyset(&tstp);
    sigaddset(&tstp, SIGTSTP);
    raise(SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &tstp, nullptr);   // stops here until continued
    install_handler(SIGTSTP, suspend, SA_RESTART);
    if (raw_mode_on)
        tcsetattr(STDIN_FILENO, TCSANOW, &newt);
    errno = saved_errno;
}

bool ignored(int sig)
{
    struct sigaction current {};
    sigaction(sig, nullptr, &current);
    return current.sa_handler == SIG_IGN;
}

}  // namespace

void enter_raw_mode()
{
    if (tcgetattr(STDIN_FILENO, &oldt) != 0)
        return;
    newt = oldt;
    newt.c_lflag &= ~ICANON;
    // Signals the user's shell told us to ignore stay ignored.
    for (int sig : ending_signals)
        if (!ignored(sig))
            install_handler(sig, restore_and_reraise, SA_RESETHAND | SA_RESTART);
    if (!ignored(SIGTSTP))
        install_handler(SIGTSTP, suspend, SA_RESTART);
    raw_mode_on = 1;
    // Every way out through exit (a lost screen among them) restores it too.
    std::atexit(restore_terminal);
    tcsetattr(STDIN_FILENO, TCSANOW, &newt);
}

void restore_terminal()
{
    if (!raw_mode_on)
        return;
    raw_mode_on = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &oldt);
}

int read_key()
{
    // A frame that could not be shown ends the program before it waits for a key.
    check_standard_output();
    return std::getchar();
}

bool ends_loop(int key)
{
    return key == 'q' || key == EOF;
}

void clear_screen()
{
    for (int i = 0; i < clear_lines; ++i)
        std::putchar('\n');
}

void draw_horizontal_borders(const BoardBorder& border, int row)
{
    if (not_top_or_bottom_row(row))
        return;
    for (int column = 0; column < board_width; ++column)
        std::putchar(border.row);
    std::putchar('\n');
}

bool not_top_or_bottom_row(int row)
{
    return row != 1 && row != board_rows;
}

int draw_left_border(const BoardBorder& border)
{
    std::putchar(border.left);
    return 1;
}

void draw_right_border(const BoardBorder& border)
{
    std::printf("%c\n", border.right);
}

void draw_empty_spaces(int count)
{
    for (int i = 0; i < count; ++i)
        std::putchar(' ');
}

void draw_empty_row(const BoardBorder& border)
{
    draw_left_border(border);
    draw_empty_spaces(board_interior);
    draw_right_border(border);
}
