#include "accounts/answers.h"

#include <cctype>

#include "common/errors.h"

Answer read_word(std::FILE* in, std::string& word)
{
    int c;
    do
        c = std::getc(in);
    while (c != EOF && std::isspace(c));
    if (c == EOF)
        return Answer::missing;
    word.clear();
    do {
        word += static_cast<char>(c);
        c = std::getc(in);
    } while (c != EOF && !std::isspace(c));
    if (c != EOF)
        std::ungetc(c, in);
    return Answer::given;
}

Answer read_balance(std::FILE* in, float& balance)
{
    switch (std::fscanf(in, "%f", &balance)) {
    case 1:
        return Answer::given;
    case EOF:
        return Answer::missing;
    default:
        return Answer::not_a_number;
    }
}

Answer read_letter(std::FILE* in, bool skip_space, char& letter)
{
    int n = skip_space ? std::fscanf(in, " %c", &letter) : std::fscanf(in, "%c", &letter);
    return n == 1 ? Answer::given : Answer::missing;
}

bool minimum_balance(char type, float& minimum, const MinimumBalances& minimums)
{
    if (type == 's')
        minimum = minimums.saving;
    else if (type == 'c')
        minimum = minimums.checking;
    else
        return false;
    return true;
}

float ask_balance(std::FILE* in, std::FILE* out)
{
    std::fputs("Please enter the account balance: ", out);
    std::fflush(out);
    float balance;
    switch (read_balance(in, balance)) {
    case Answer::given:
        break;
    case Answer::not_a_number:
        die("the account balance is not a number");
    case Answer::missing:
        die("end of input before the account balance");
    }
    return balance;
}
