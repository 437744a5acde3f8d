// display and chase_game on a pseudo-terminal: each single key, without Enter,
// is echoed and redraws the board at once, and the terminal's settings come
// back exactly as they were on q and when a signal ends the program.
#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utmp.h>

#include <chrono>
#include <cstring>
#include <string>

#include "tests/program_runner.h"

namespace {

constexpr auto patience = std::chrono::seconds(10);

struct Terminal {
    int master = -1;
    int slave = -1;   // kept open here so the settings can be read after the program ends
    pid_t pid = -1;
    termios before{};
    std::string shown;   // everything the program and the echo showed, without carriage returns
};

void start(Terminal& t, const std::string& program)
{
    ASSERT_EQ(openpty(&t.master, &t.slave, nullptr, nullptr, nullptr), 0);
    ASSERT_EQ(tcgetattr(t.slave, &t.before), 0);
    const std::string path = program_path(program);
    t.pid = fork();
    ASSERT_GE(t.pid, 0);
    if (t.pid == 0) {
        close(t.master);
        if (login_tty(t.slave) != 0)
            _exit(126);
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

void finish(Terminal& t)
{
    if (t.pid > 0 && waitpid(t.pid, nullptr, WNOHANG) == 0) {
        kill(t.pid, SIGKILL);
        waitpid(t.pid, nullptr, 0);
    }
    if (t.master >= 0)
        close(t.master);
    close(t.slave);
}

size_t count_of(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

// Reads what the terminal shows within the time given.
void read_shown(Terminal& t, int wait_ms)
{
    pollfd p{t.master, POLLIN, 0};
    if (poll(&p, 1, wait_ms) <= 0)
        return;
    char buf[4096];
    const ssize_t n = read(t.master, buf, sizeof buf);
    for (ssize_t i = 0; i < n; ++i)
        if (buf[i] != '\r')
            t.shown += buf[i];
}

// Reads the terminal until `lines` board border lines have been shown.
bool wait_for_borders(Terminal& t, const std::string& border, size_t lines)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (count_of(t.shown, border) < lines) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        read_shown(t, 100);
    }
    return true;
}

// Waits for the program to end, reading what it still shows.
int wait_for_end(Terminal& t)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    int status = 0;
    while (waitpid(t.pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return -1;
        read_shown(t, 10);
    }
    read_shown(t, 10);
    t.pid = -1;
    return status;
}

void send(Terminal& t, const std::string& keys)
{
    ASSERT_EQ(write(t.master, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
}

::testing::AssertionResult same_settings(const termios& a, const termios& b)
{
    if (a.c_iflag != b.c_iflag || a.c_oflag != b.c_oflag || a.c_cflag != b.c_cflag ||
        a.c_lflag != b.c_lflag || std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) != 0)
        return ::testing::AssertionFailure()
               << std::hex << "lflag " << a.c_lflag << " against " << b.c_lflag;
    return ::testing::AssertionSuccess();
}

termios current(const Terminal& t)
{
    termios now{};
    tcgetattr(t.slave, &now);
    return now;
}

struct Program {
    const char* name;
    std::string border;      // a border row and its newline
    char key;                // a key with a visible effect
    std::string effect;      // what the frame after it shows
};

const Program programs[] = {
    {"display", std::string(40, '+') + "\n", 's', "{                  .  .                }\n"},
    {"chase_game", std::string(40, '-') + "\n", 'd', "Current Position: x: 21, y: 10\n"},
};

TEST(RawKeyboard, SingleKeysRedrawAndQRestores)
{
    for (const Program& p : programs) {
        SCOPED_TRACE(p.name);
        Terminal t;
        start(t, p.name);
        ASSERT_TRUE(wait_for_borders(t, p.border, 2)) << t.shown;
        termios raw = t.before;
        raw.c_lflag &= ~ICANON;
        EXPECT_TRUE(same_settings(current(t), raw)) << "only canonical input is off";

        const size_t first_frame_end = t.shown.size();
        send(t, std::string(1, p.key));
        ASSERT_TRUE(wait_for_borders(t, p.border, 4)) << t.shown;
        EXPECT_EQ(t.shown.substr(first_frame_end, 21), p.key + std::string(20, '\n'))
            << "the key is echoed, then the screen is cleared";
        EXPECT_NE(t.shown.find(p.effect, first_frame_end), std::string::npos);

        send(t, "\r");
        ASSERT_TRUE(wait_for_borders(t, p.border, 6)) << "Enter redraws too";

        send(t, "q");
        const int status = wait_for_end(t);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        EXPECT_EQ(count_of(t.shown, p.border), 6u) << "no frame after q";
        EXPECT_TRUE(same_settings(current(t), t.before));
        finish(t);
    }
}

TEST(RawKeyboard, SignalsRestoreTheTerminalAndEndTheProgram)
{
    struct Case {
        const char* name;
        int signal;
        const char* control_key;   // typed on the terminal; kill() when null
    };
    const Case cases[] = {
        {"Ctrl-C", SIGINT, "\x03"},
        {"termination", SIGTERM, nullptr},
        {"hang-up signal", SIGHUP, nullptr},
    };
    for (const Program& p : programs)
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(p.name) + ": " + c.name);
            Terminal t;
            start(t, p.name);
            ASSERT_TRUE(wait_for_borders(t, p.border, 2)) << t.shown;
            if (c.control_key)
                send(t, c.control_key);
            else
                kill(t.pid, c.signal);
            const int status = wait_for_end(t);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << status;
            EXPECT_TRUE(same_settings(current(t), t.before));
            finish(t);
        }
}

TEST(RawKeyboard, HangUpEndsAtOnce)
{
    Terminal t;
    start(t, "display");
    ASSERT_TRUE(wait_for_borders(t, programs[0].border, 2)) << t.shown;
    close(t.master);
    t.master = -1;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (waitpid(t.pid, nullptr, WNOHANG) == 0 && std::chrono::steady_clock::now() < deadline)
        usleep(10000);
    EXPECT_LT(std::chrono::steady_clock::now(), deadline) << "display still runs after the hang-up";
    t.pid = -1;
    finish(t);
}

}  // namespace
