#pragma once
// The session store of the kon driver on the real files: the two club files and the history
// in a program folder.

#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "game/SessionStore.h"
#include "store/ClubFile.h"
#include "store/HistoryFile.h"

namespace zendral {

class FileSessionStore : public SessionStore {
 public:
  using StampFn = std::function<HistoryStamp()>;

  // Tests both club files at once, as the start-up does: a file that fails, cannot be replaced
  // or is hidden is never written by this store.
  explicit FileSessionStore(std::filesystem::path programFolder,
                            StampFn stamp = CurrentHistoryStamp);

  std::optional<PlayerRecord> LoadMember(ClubKind club, int line) override;
  ClubWriteResult StoreMember(ClubKind club, int memberLine, const PlayerRecord& record,
                              bool matchComplete) override;
  bool RemoveMember(ClubKind club, int line) override;
  bool AppendHistory(const HistoryEntry& entry) override;

  const std::filesystem::path& ProgramFolder() const { return folder_; }
  std::filesystem::path ClubPath(ClubKind club) const;
  // The start-up test of a club file (missing, damaged, attributes).
  const ClubCheck& StartCheck(ClubKind club) const;
  bool MayWrite(ClubKind club) const;

 private:
  std::filesystem::path folder_;
  StampFn stamp_;
  std::array<ClubCheck, 2> checks_;
};

// For the tools: the store over a program folder.
std::unique_ptr<FileSessionStore> MakeFileSessionStore(const std::filesystem::path& programFolder);

}  // namespace zendral
