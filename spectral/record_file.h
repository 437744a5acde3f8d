// The count of records read from a user's file: a fixed number, as the
// programs always read, or every record the file holds.
#pragma once

#include <istream>

// After `got` records of `what` (e.g. "events") were read from the named file,
// `wanted` of them or, with all_records, every one it holds: dies as
// die_if_short does when fewer than wanted were read. Reading all, it dies
// when the reading stopped before the end of the file (a non-number, a record
// cut short, more records than a run can hold) or found fewer than `least`.
void die_if_unread(const std::istream& in, const char* name, long got, long wanted, long least,
                   const char* what);
