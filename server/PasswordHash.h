#pragma once
// Passwords are kept only as salted argon2id hashes (libsodium). The cost is chosen once per
// server: the default is a real interactive cost; tests may ask for the cheapest one.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>

namespace zendral::server {

struct HashCost {
  unsigned long long ops = 2;
  std::size_t memory = 19u * 1024u * 1024u;  // 19 MiB, two passes: argon2id's usual floor
  static HashCost Minimal();
};

class PasswordHash {
 public:
  explicit PasswordHash(HashCost cost);
  // The encoded hash (algorithm, cost, salt and hash in one text), or nothing on failure.
  std::optional<QByteArray> Hash(const QString& password) const;
  bool Verify(const QByteArray& encoded, const QString& password) const;

 private:
  HashCost cost_;
};

// A random session token: 32 bytes as 64 hex digits.
QByteArray RandomToken();

}  // namespace zendral::server
