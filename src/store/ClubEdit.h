#pragma once
// Changes to a club file: a member leaves (RemoveMember), a session's record is placed by its
// rating (InsertMember), and a result of a complete cycle enters the Order. Every change
// rewrites the whole file with fresh checksums, atomically.

#include <filesystem>

#include "game/SessionStore.h"
#include "store/ClubFile.h"

namespace zendral {

// In memory. RemoveMemberLine: slot 1..5 leaves, the members below move up and line 5 becomes
// empty; any other slot (6, a new player) changes nothing.
void RemoveMemberLine(ClubFile& file, int slot);
// The result of a complete cycle: placed before the first Order line whose score is not above
// it (ties go before older results), line 15 drops out. The place 1..10, or 0 when it is
// below all ten.
int EnterOrder(ClubFile& file, const std::string& name, int cycleScore);
// With cycleComplete the cycle score first goes to the Order and the record's cycle score
// starts again at 0; then the record goes before the first member line that is empty or whose
// rating is not above its own (line 5 drops out). Returns the Order place; stored tells
// whether the record found a line.
struct MemberPlacement {
  int orderPlace = 0;
  bool stored = false;
};
MemberPlacement InsertMemberRecord(ClubFile& file, PlayerRecord record, bool cycleComplete);

// The session ended a cycle: the total kons are a positive multiple of 30.
bool IsCycleComplete(int konCount);

enum class ClubWriteStatus {
  kOk,
  kMissing,      // no club file
  kDamaged,      // the file fails its test: it is left alone rather than blessed with new sums
  kProtected,    // the file cannot be replaced, or is hidden
  kWriteFailed,  // the write failed ("Error of disk writing!"); the old file is unchanged
};

struct ClubWrite {
  ClubWriteStatus status = ClubWriteStatus::kOk;
  int orderPlace = 0;
  bool stored = false;
};

// On the file at path. Both read the file, check it, change it and write it once.
ClubWriteStatus RemoveMember(const std::filesystem::path& path, int slot);
// The record by itself; the cycle is complete when its kon count says so.
ClubWrite InsertMember(const std::filesystem::path& path, const PlayerRecord& record);
// The end of a session in one write: the member's old line (1..5; 0 or 6 for a new player)
// leaves, then the record is inserted.
ClubWrite StoreSessionRecord(const std::filesystem::path& path, int memberLine,
                             const PlayerRecord& record, bool cycleComplete);

}  // namespace zendral
