// angle_histogram: invariant masses of the 100 photon pairs in 481X2t.txt from
// their hits on a plane 2700 units away and their energies, histogrammed in
// unit bins; the occupied bins from 120 to 149 go to 481X2T.txt.
#include <array>
#include <vector>

#include "common/files.h"
#include "common/command_line.h"
#include "spectral/pair_mass.h"
#include "spectral/record_file.h"

namespace {
const char* input_name = "481X2t.txt";
const char* output_name = "481X2T.txt";   // capital T: never the input
long events_needed = 100;
double plane_distance = 2700.0;
constexpr int bins = 200;              // bin k holds k <= m < k + 1
constexpr int first_written = 120;
constexpr int last_written = 149;
constexpr double count_threshold = 0.1;
const Options options = {
    {"input", &input_name, "", "photon pairs read: x1 y1 E1 x2 y2 E2 each"},
    {"output", &output_name, "", "histogram written: mass bin and count"},
    {"events", &events_needed, "", "photon pairs read", count_or_all(1)},
    {"distance", &plane_distance, "", "distance of the detector plane, in the units of x and y",
     positive},
};
constexpr ProgramUsage usage{
    "", "Histogram of the invariant masses of the photon pairs (by default the 100 of\n"
        "481X2t.txt) in unit bins; the occupied bins from 120 to 149 are written.\n"
        "Reads 481X2t.txt (--input); writes 481X2T.txt (--output)."};
}  // namespace

int main(int argc, char** argv)
{
    handle_options(argc, argv, usage, options);
    std::ifstream in = open_input(input_name);
    std::vector<PairEvent> events;
    die_if_unread(in, input_name, read_pair_events(in, events_needed, events), events_needed, 1,
                  "events");
    in.close();

    std::ofstream out = open_output(output_name);
    std::array<double, bins> count{};
    for (const PairEvent& e : events) {
        const double m = pair_mass(e, plane_distance);
        // A zero mass is not counted; nor is one that is not a number or
        // beyond the last bin (the comparisons fail for not-a-number).
        if (m > 0 && m < bins)
            count[static_cast<int>(m)] += 1;
    }
    for (int k = first_written; k <= last_written; ++k) {
        if (count[k] > count_threshold) {
            out << k << '\t' << count[k] << std::endl;
            check_output(out, output_name);
        }
    }
    close_output(out, output_name);
    return 0;
}
