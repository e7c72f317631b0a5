#include "cli/record_file.h"

#include <cstdint>
#include <vector>

#include "cli/positions.h"
#include "platform/disk_files.h"

namespace zelkora::cli {

namespace {

// File line of entry n: the three header lines come first.
constexpr int HEADER_LINES = 3;

}  // namespace

bool readRecordFile(const std::string& path, LoadedRecord& record, std::string& refusal) {
    std::vector<std::uint8_t> bytes;
    const ReadResult read = DiskFiles().readAll(path, RECORD_MAX_BYTES, bytes);
    record = readRecord(bytes);
    refusal.clear();
    if (read == ReadResult::Unreadable) refusal = "cannot read ";
    else if (read == ReadResult::TooLarge) refusal = "larger than any record (" + std::to_string(RECORD_MAX_BYTES) + " bytes): ";
    else if (!record.isRecord) refusal = "not a record file: ";
    if (refusal.empty()) return true;
    refusal += escapedBytes(path);
    return false;
}

std::string faultReason(EntryFault fault, int n) {
    std::string reason = "entry " + std::to_string(n) + " (line " + std::to_string(n + HEADER_LINES) + "): ";
    switch (fault) {
    case EntryFault::EmptyHand: return reason + "drop of a piece the hand does not hold";
    case EntryFault::Mismatch: return reason + "does not match the board";
    default: return reason + "square off the board";
    }
}

}  // namespace zelkora::cli
