// Reading a ".棋譜" file for the commands that step through one (replay, kif):
// the same refusals for both, worded for an "error:" line.
#pragma once

#include <string>

#include "records/record_format.h"
#include "records/replay_steps.h"

namespace zelkora::cli {

// Reads the record at `path`. On a file that cannot be read, is larger than any
// record or is no record at all, returns false and leaves the reason (with the
// path, bad bytes escaped) in `refusal`.
bool readRecordFile(const std::string& path, LoadedRecord& record, std::string& refusal);

// Why entry n (1-based) cannot be stepped, naming its line in the file.
std::string faultReason(EntryFault fault, int n);

}  // namespace zelkora::cli
