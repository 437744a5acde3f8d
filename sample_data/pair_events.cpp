#include "sample_data/sample_data.h"

void write_pair_events(const std::string&) {}
