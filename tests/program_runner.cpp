#include "tests/program_runner.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

void write_file(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void remove_tree(const std::string& dir)
{
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string name = e->d_name;
            if (name == "." || name == "..")
                continue;
            std::string path = dir + "/" + name;
            struct stat st;
            if (lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                remove_tree(path);
            else
                unlink(path.c_str());
        }
        closedir(d);
    }
    rmdir(dir.c_str());
}

std::map<std::string, std::string> regular_files(const std::string& dir)
{
    std::map<std::string, std::string> files;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string path = dir + "/" + e->d_name;
            struct stat st;
            if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
                files[e->d_name] = read_file(path);
        }
        closedir(d);
    }
    return files;
}

}  // namespace

std::string program_path(const std::string& name)
{
    if (name.find('/') != std::string::npos)
        return name;
    return std::string(SUITE_BIN_DIR) + "/" + name;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

size_t count_lines(const std::string& text)
{
    size_t n = 0;
    for (char ch : text)
        n += ch == '\n';
    return n;
}

std::vector<std::string> split_lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

ProgramRun run_program(const std::string& name, const ProgramCase& c)
{
    char tmpl[] = "/tmp/suite-run-XXXXXX";
    if (!mkdtemp(tmpl))
        throw std::runtime_error("cannot create a temporary directory");
    const std::string dir = tmpl;
    const std::string in_path = dir + "/.stdin", out_path = dir + "/.stdout",
                      err_path = dir + "/.stderr";
    for (const auto& sub : c.dirs)
        mkdir((dir + "/" + sub).c_str(), 0755);
    for (const auto& [file, text] : c.files)
        write_file(dir + "/" + file, text);
    for (const auto& name : c.full)
        if (symlink("/dev/full", (dir + "/" + name).c_str()) != 0)
            throw std::runtime_error("cannot link " + name + " to /dev/full");
    write_file(in_path, c.input);

    const std::string exe = program_path(name);
    std::vector<std::string> argv_text{exe};
    argv_text.insert(argv_text.end(), c.args.begin(), c.args.end());

    pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (auto& a : argv_text)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        int in = open(in_path.c_str(), O_RDONLY);
        int out = c.output_full ? open("/dev/full", O_WRONLY)
                                : open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || chdir(dir.c_str()) != 0)
            _exit(126);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        setpgid(0, 0);
        execv(exe.c_str(), argv.data());
        _exit(127);
    }

    ProgramRun run;
    auto deadline = std::chrono::steady_clock::now() +
                    std::chrono::duration<double>(c.timeout_s);
    int wstatus = 0;
    for (;;) {
        pid_t done = waitpid(pid, &wstatus, WNOHANG);
        if (done == pid)
            break;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &wstatus, 0);
            run.timed_out = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (WIFSIGNALED(wstatus)) {
        run.signaled = true;
        run.status = 128 + WTERMSIG(wstatus);
    } else {
        run.status = WEXITSTATUS(wstatus);
    }
    run.out = read_file(out_path);
    run.err = read_file(err_path);
    run.files = regular_files(dir);
    run.files.erase(".stdin");
    run.files.erase(".stdout");
    run.files.erase(".stderr");
    remove_tree(dir);
    return run;
}
