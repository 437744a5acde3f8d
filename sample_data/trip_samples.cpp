#include "sample_data/sample_data.h"

void write_trip_samples(const std::string&) {}
