// The command line of every program, from bytes in memory: the input is cut
// at newlines into an argument vector and read against a table holding every
// kind of option. A value that is taken must lie in its range; a refusal
// must say why.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "fuzz/fuzz_target.h"

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = input_text(data, size);
    std::vector<std::string> words = {"program"};
    std::string::size_type start = 0;
    for (std::string::size_type end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        words.push_back(text.substr(start, end - start));
    words.push_back(text.substr(start));
    std::vector<const char*> argv;
    for (const std::string& word : words)
        argv.push_back(word.c_str());

    int points = 1000;
    long samples = 148282;
    double step = 0.1;
    float single_step = 1.0f / 216;
    const char* input = "Crab.dat";
    const Options options = {
        {"points", &points, "", "grid points", between(2, 100000)},
        {"samples", &samples, "", "records read", count_or_all(2)},
        {"step", &step, "s", "time step", positive},
        {"single-step", &single_step, "", "step in single precision", positive},
        {"input", &input, "", "file read"},
    };
    std::vector<const char*> positionals;
    const std::string error = parse_command_line(static_cast<int>(argv.size()), argv.data(), options,
                                                 positionals);
    if (error.empty()) {
        check(points >= 2 && points <= 100000);
        check(samples == all_records || samples >= 2);
        check(std::isfinite(step) && step > 0);
        check(std::isfinite(single_step) && single_step > 0);
        check(*input != '\0');
    }
    for (const char* word : positionals) {
        long integer = 0;
        double real = 0;
        read_number(word, any_value, integer, 0);
        if (read_number(word, positive, real).empty())
            check(real > 0 && std::isfinite(real));
    }
    return 0;
}
