#include "store/ClubEdit.h"

#include <limits>

#include "store/FileIo.h"
#include "store/TextFields.h"

namespace zendral {
namespace {

constexpr std::size_t kMaxClubBytes = 4096;

// A rating column in millionths; a column that holds no number ranks below every rating.
std::int64_t StoredRating(std::string_view line) {
  return ParseFixedField(line.substr(20, 10), 6).value_or(std::numeric_limits<std::int64_t>::min());
}

int StoredOrderScore(std::string_view line) {
  return ParseIntField(line.substr(20, 6)).value_or(std::numeric_limits<int>::min());
}

// Moves lines first..last-1 down by one (line last drops out) and puts text on line first.
void InsertLine(ClubFile& file, int first, int last, std::string text) {
  for (int n = last; n > first; --n) file.Line(n) = file.Line(n - 1);
  file.Line(first) = std::move(text);
}

template <typename Change>
ClubWriteStatus EditClubFile(const std::filesystem::path& path, Change change) {
  const FileBytes bytes = ReadFileBytes(path, kMaxClubBytes);
  if (bytes.status == ReadStatus::kMissing) return ClubWriteStatus::kMissing;
  if (bytes.status != ReadStatus::kOk) return ClubWriteStatus::kDamaged;
  if (!CheckClubBytes(bytes.bytes).ok()) return ClubWriteStatus::kDamaged;
  if (path.filename().string().starts_with('.') || !CanReplaceFile(path)) {
    return ClubWriteStatus::kProtected;
  }
  ClubFile file = ParseClubFile(bytes.bytes).file;
  change(file);
  UpdateClubChecksums(file);
  return WriteFileAtomic(path, SerializeClubFile(file)) ? ClubWriteStatus::kOk
                                                        : ClubWriteStatus::kWriteFailed;
}

}  // namespace

bool IsCycleComplete(int konCount) {
  return konCount > 0 && konCount % 30 == 0;
}

void RemoveMemberLine(ClubFile& file, int slot) {
  if (slot < 1 || slot > kClubMembers) return;
  for (int n = slot; n < kClubMembers; ++n) file.Line(n) = file.Line(n + 1);
  file.Line(kClubMembers) = kEmptyMemberLine;
}

int EnterOrder(ClubFile& file, const std::string& name, int cycleScore) {
  const int last = kFirstOrderLine + kOrderPlaces - 1;
  const std::string line = FormatOrderLine(name, cycleScore);
  // Compare with the score as it is written, so a capped score ranks as it reads.
  const int written = StoredOrderScore(line);
  for (int n = kFirstOrderLine; n <= last; ++n) {
    if (StoredOrderScore(file.Line(n)) <= written) {
      InsertLine(file, n, last, line);
      return n - kFirstOrderLine + 1;
    }
  }
  return 0;
}

MemberPlacement InsertMemberRecord(ClubFile& file, PlayerRecord record, bool cycleComplete) {
  MemberPlacement placement;
  if (cycleComplete) {
    placement.orderPlace = EnterOrder(file, record.name, record.cycleScore);
    record.cycleScore = 0;
  }
  const std::string line = FormatMemberLine(record);
  const std::int64_t rating = StoredRating(line);
  for (int n = 1; n <= kClubMembers; ++n) {
    if (IsEmptyMemberSlot(file.Line(n)) || StoredRating(file.Line(n)) <= rating) {
      InsertLine(file, n, kClubMembers, line);
      placement.stored = true;
      break;
    }
  }
  return placement;
}

ClubWriteStatus RemoveMember(const std::filesystem::path& path, int slot) {
  if (slot < 1 || slot > kClubMembers) return ClubWriteStatus::kOk;  // a new player
  return EditClubFile(path, [slot](ClubFile& file) { RemoveMemberLine(file, slot); });
}

ClubWrite StoreSessionRecord(const std::filesystem::path& path, int memberLine,
                             const PlayerRecord& record, bool cycleComplete) {
  ClubWrite result;
  MemberPlacement placement;
  result.status = EditClubFile(path, [&](ClubFile& file) {
    RemoveMemberLine(file, memberLine);
    placement = InsertMemberRecord(file, record, cycleComplete);
  });
  if (result.status == ClubWriteStatus::kOk) {
    result.orderPlace = placement.orderPlace;
    result.stored = placement.stored;
  }
  return result;
}

ClubWrite InsertMember(const std::filesystem::path& path, const PlayerRecord& record) {
  return StoreSessionRecord(path, 0, record, IsCycleComplete(record.konCount));
}

}  // namespace zendral
