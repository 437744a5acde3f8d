// What every program reads and writes in its folder: the one table that the
// FILES sections of the manual pages and the programs' own runs on the sample
// data are both checked against, so neither can drift from the other.
#pragma once

#include <map>
#include <string>
#include <vector>

struct FileUse {
    std::string program;
    std::vector<std::string> args;     // arguments of a run on the sample data
    std::string input;                 // standard input of that run
    std::vector<std::string> reads;    // named as in the page's FILES section
    std::vector<std::string> writes;
};

// An input named on the command line is called DATAFILE on its page; a run
// gives it the content of this sample file.
const std::string datafile = "DATAFILE";
const std::map<std::string, std::string> datafile_sample = {
    {"meson_lifetime", "pion.dat"},
    {"lepton_lifetime", "muon.dat"},
};

// Inputs that make_sample_data does not write come from the first program of
// the table that writes them (rides.txt from trip_speed_sort).
const std::vector<FileUse> file_uses = {
    {"crab_spectrum", {}, "", {"Crab.dat"}, {"fcrab.txt"}},
    {"pulsar_spectrum", {}, "", {"pulsar.dat"}, {"fpulse.txt"}},
    {"phone_spectrum", {}, "", {"cellphone.dat"}, {"fphone.txt"}},
    {"crab_brightness", {}, "", {"Crab.dat"}, {"lightcrab.txt"}},
    {"sawtooth_series", {}, "", {}, {"rmsaw.txt", "saw1.txt", "saw3.txt", "saw5.txt", "saw30.txt"}},
    {"angle_histogram", {}, "", {"481X2t.txt"}, {"481X2T.txt"}},

    {"quadrature", {}, "", {}, {"integ.dat"}},
    {"pi_series", {}, "1000\n", {}, {}},
    {"e_series", {}, "", {}, {}},

    {"rocket", {}, "", {}, {"rocket.txt"}},
    {"launch_trajectory", {}, "", {}, {"launch_trajectory.txt"}},
    {"swing_sim", {}, "", {}, {"pend.dat"}},
    {"ode_stepper", {}, "", {}, {"ode_stepper.dat"}},

    {"meson_lifetime", {datafile}, "", {datafile}, {"piongrid.txt"}},
    {"lepton_lifetime", {datafile}, "", {datafile}, {"muongrid.txt"}},

    {"ball_volume", {}, "", {}, {}},
    {"dimension_volume", {"4", "1000"}, "", {}, {}},
    {"pond_sphere", {}, "", {}, {"pond3.dat"}},
    {"wander_space", {}, "", {}, {"walk3d.dat", "walkpath3d.dat"}},
    {"wander_plane", {"12345"}, "", {}, {"walk2d.dat", "walkpath2d.dat"}},
    {"carbon_chain", {"100", "100", "100"}, "", {}, {}},
    {"half_life_sim", {"100", "1000"}, "", {}, {}},

    {"trip_speed_sort", {}, "\n", {"uber.tsv"}, {"rides.txt"}},
    {"trip_frequency", {}, "", {"uber.tsv", "rides.txt"}, {}},
    {"trip_lengths", {}, "", {"uber.tsv"}, {"rides.txt"}},
    {"cheapest_route", {}, "", {"leg1.txt", "leg2.txt", "leg3.txt"}, {}},

    {"account_summary", {}, "Ada 1250.40 s\nn\nBen 480.15 c\ny\nf\n", {},
     {"account_summary.txt", "list_of_account_balances.txt"}},
    {"fee_check", {}, "c\n499.50\n", {}, {}},

    {"chase_game", {}, "ddwq", {}, {}},
    {"display", {}, "sfq", {}, {}},
    {"face_banner", {}, "", {}, {}},

    {"physics-suite", {}, "", {}, {}},

    {"make_sample_data", {}, "", {},
     {"Crab.dat", "pulsar.dat", "cellphone.dat", "481X2t.txt", "pion.dat", "muon.dat", "uber.tsv",
      "leg1.txt", "leg2.txt", "leg3.txt"}},
};
