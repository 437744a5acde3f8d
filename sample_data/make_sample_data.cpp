// make_sample_data [DIR]: writes every sample input file of the suite into DIR
// (default: the current directory). The same files come out on every run.
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "common/errors.h"
#include "common/command_line.h"
#include "sample_data/sample_data.h"

namespace {
constexpr ProgramUsage usage{
    "[DIR]", "Writes every sample input file of the suite into DIR (default: the current\n"
             "directory), the same files on every run.\n"
             "Writes Crab.dat, pulsar.dat, cellphone.dat, 481X2t.txt, pion.dat, muon.dat,\n"
             "uber.tsv, leg1.txt, leg2.txt and leg3.txt."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage);
    std::string dir = argc > 1 ? argv[1] : ".";
    if (mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST)
        die("cannot create %s:", dir.c_str());
    write_spectral_samples(dir);
    write_pair_events(dir);
    write_lifetime_samples(dir);
    write_trip_samples(dir);
    return 0;
}
