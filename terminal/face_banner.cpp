// face_banner: prints a fixed five-line character face and ends.
#include <cstdio>

int main()
{
    std::fputs(" +++++++++++++\n"
               " {   O   O   }\n"
               " {     >     }\n"
               " {  /`````\\  } \n"
               " +++++++++++++\n",
               stdout);
    return 0;
}
