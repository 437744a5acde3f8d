// The typed answers of the account programs, from bytes in memory: the whole
// dialogue of account_summary (holder, balance, type, the finished question,
// the output choice) and that of fee_check (type, balance).
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "accounts/answers.h"
#include "fuzz/fuzz_target.h"

namespace {

// An end of input or a balance that is not a number ends either program.
void account_summary_dialogue(std::FILE* in)
{
    for (;;) {
        std::string holder;
        float balance;
        char type, finished;
        if (read_word(in, holder) != Answer::given ||
            read_balance(in, balance) != Answer::given ||
            read_letter(in, true, type) != Answer::given)
            return;
        float minimum;
        minimum_balance(type, minimum);
        if (read_letter(in, true, finished) != Answer::given || finished != 'n')
            break;
    }
    char choice;
    read_letter(in, true, choice);
}

void fee_check_dialogue(std::FILE* in)
{
    char type;
    float minimum, balance;
    if (read_letter(in, false, type) == Answer::given && minimum_balance(type, minimum))
        read_balance(in, balance);
}

void with_stream(std::vector<char>& bytes, std::size_t size, void (*dialogue)(std::FILE*))
{
    std::FILE* in = fmemopen(bytes.data(), size, "r");
    if (!in)
        std::abort();
    dialogue(in);
    std::fclose(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One byte more than the input, so that the buffer exists for an empty one.
    const std::string text = input_text(data, size);
    std::vector<char> bytes(text.begin(), text.end());
    bytes.push_back('\0');
    with_stream(bytes, size, account_summary_dialogue);
    with_stream(bytes, size, fee_check_dialogue);
    return 0;
}
