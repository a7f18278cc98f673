#include "store/FileSessionStore.h"

#include "store/ClubEdit.h"
#include "store/FileIo.h"

namespace zendral {
namespace {

std::size_t Index(ClubKind club) {
  return club == ClubKind::kNetwork ? 1 : 0;
}

}  // namespace

FileSessionStore::FileSessionStore(std::filesystem::path programFolder, StampFn stamp)
    : folder_(std::move(programFolder)), stamp_(std::move(stamp)) {
  if (!stamp_) stamp_ = CurrentHistoryStamp;
  checks_[0] = CheckClubFile(ClubPath(ClubKind::kLocal));
  checks_[1] = CheckClubFile(ClubPath(ClubKind::kNetwork));
}

std::filesystem::path FileSessionStore::ClubPath(ClubKind club) const {
  return folder_ / (club == ClubKind::kNetwork ? kNetworkClubFileName : kLocalClubFileName);
}

const ClubCheck& FileSessionStore::StartCheck(ClubKind club) const {
  return checks_[Index(club)];
}

bool FileSessionStore::MayWrite(ClubKind club) const {
  const ClubCheck& check = StartCheck(club);
  return check.ok() && check.writable;
}

std::optional<PlayerRecord> FileSessionStore::LoadMember(ClubKind club, int line) {
  if (line < 1 || line > kClubMembers) return std::nullopt;
  const FileBytes bytes = ReadFileBytes(ClubPath(club), 4096);
  if (bytes.status != ReadStatus::kOk || !CheckClubBytes(bytes.bytes).ok()) return std::nullopt;
  return ParseMemberLine(ParseClubFile(bytes.bytes).file.Line(line));
}

ClubWriteResult FileSessionStore::StoreMember(ClubKind club, int memberLine,
                                              const PlayerRecord& record, bool matchComplete) {
  if (!MayWrite(club)) return {false, 0};
  const ClubWrite write = StoreSessionRecord(ClubPath(club), memberLine, record, matchComplete);
  if (write.status != ClubWriteStatus::kOk) return {false, 0};
  return {true, write.orderPlace};
}

bool FileSessionStore::RemoveMember(ClubKind club, int line) {
  if (!MayWrite(club)) return false;
  return zendral::RemoveMember(ClubPath(club), line) == ClubWriteStatus::kOk;
}

bool FileSessionStore::AppendHistory(const HistoryEntry& entry) {
  const HistoryWrite write = WriteHistory(folder_, std::span(&entry, 1), stamp_());
  return write.status == HistoryWriteStatus::kOk;
}

std::unique_ptr<FileSessionStore> MakeFileSessionStore(const std::filesystem::path& programFolder) {
  return std::make_unique<FileSessionStore>(programFolder);
}

}  // namespace zendral
