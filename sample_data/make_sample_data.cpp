// make_sample_data [DIR]: writes every sample input file of the suite into DIR
// (default: the current directory). The same files come out on every run.
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "common/die.h"
#include "sample_data/sample_data.h"

int main(int argc, char** argv)
{
    std::string dir = argc > 1 ? argv[1] : ".";
    if (mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST)
        die("cannot create %s:", dir.c_str());
    write_spectral_samples(dir);
    write_pair_events(dir);
    write_lifetime_samples(dir);
    write_trip_samples(dir);
    return 0;
}
