// The sample-data generator: deterministic input files with known true values
// for every program of the suite that reads data.
#pragma once

#include <cstdio>
#include <random>
#include <string>

// One generator for every file, seeded per file so that files do not depend
// on one another. mt19937_64's sequence is fixed by the C++ standard.
using SampleRng = std::mt19937_64;

double uniform01(SampleRng& rng);                    // in [0, 1)
double gaussian(SampleRng& rng);                     // mean 0, deviation 1
long poisson(SampleRng& rng, double mean);           // Poisson deviate

// Creates dir/name for writing, or dies naming it.
std::FILE* create_sample_file(const std::string& dir, const char* name);

// Closes dir/name, or dies naming it when its data did not reach the disk.
void close_sample_file(std::FILE* f, const std::string& dir, const char* name);

// Each writes its files into dir (which exists).
void write_spectral_samples(const std::string& dir);   // Crab.dat, pulsar.dat, cellphone.dat
void write_pair_events(const std::string& dir);        // 481X2t.txt
void write_lifetime_samples(const std::string& dir);   // the two decay-count tables
void write_trip_samples(const std::string& dir);       // uber.tsv, leg1.txt, leg2.txt, leg3.txt
