#include "PasswordHash.h"

#include <sodium.h>

namespace zendral::server {

HashCost HashCost::Minimal() {
  return HashCost{crypto_pwhash_argon2id_OPSLIMIT_MIN, crypto_pwhash_argon2id_MEMLIMIT_MIN};
}

PasswordHash::PasswordHash(HashCost cost) : cost_(cost) {
  if (sodium_init() < 0) std::abort();
}

std::optional<QByteArray> PasswordHash::Hash(const QString& password) const {
  const QByteArray pw = password.toUtf8();
  char out[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str_alg(out, pw.constData(), static_cast<unsigned long long>(pw.size()),
                            cost_.ops, cost_.memory, crypto_pwhash_ALG_ARGON2ID13) != 0) {
    return std::nullopt;
  }
  return QByteArray(out);
}

bool PasswordHash::Verify(const QByteArray& encoded, const QString& password) const {
  const QByteArray pw = password.toUtf8();
  return crypto_pwhash_str_verify(encoded.constData(), pw.constData(),
                                  static_cast<unsigned long long>(pw.size())) == 0;
}

QByteArray RandomToken() {
  unsigned char bytes[32];
  randombytes_buf(bytes, sizeof bytes);
  return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes).toHex();
}

}  // namespace zendral::server
