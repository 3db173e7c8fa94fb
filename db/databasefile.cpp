#include "databasefile.h"

#include <new>
#include <vector>

#include "contenthash.h"
#include "littleendian.h"

namespace quorix {

DatabaseFile::DatabaseFile(std::string path) : path_(std::move(path)) {
  OpenedFile opened = openRegularFile(path_, error_);
  file_ = std::move(opened.file);
  size_ = opened.size;
}

FileFingerprint DatabaseFile::fingerprint() const {
  const std::size_t slash = path_.rfind('/');
  return {slash == std::string::npos ? path_ : path_.substr(slash + 1), size_, hash_};
}

bool DatabaseFile::fail(const std::string& message) {
  error_ = path_ + ": " + message;
  return false;
}

bool DatabaseFile::readWords(std::span<std::uint32_t> words, const char* what) {
  if (!file_) return false;
  const std::uint64_t bytes = words.size() * 4;
  if (size_ - position_ < bytes) {
    return fail(std::string("file ends inside the ") + what + " (" + std::to_string(size_) + " bytes)");
  }
  std::vector<std::uint8_t> raw(bytes);
  if (std::fread(raw.data(), 1, raw.size(), file_.get()) != raw.size()) return fail(std::string("cannot read the ") + what);
  hash_ = contentHash(raw, hash_);
  for (std::size_t i = 0; i < words.size(); ++i) words[i] = le::load32(raw.data() + 4 * i);
  position_ += bytes;
  return true;
}

bool DatabaseFile::readSection(std::uint64_t size, ByteArray& out, const char* what) {
  if (!file_) return false;
  // Checking against the file's size before allocating also keeps a damaged header from asking
  // for more memory than the file could ever fill.
  if (size_ - position_ < size) {
    return fail(std::string("the ") + what + " announces " + std::to_string(size) + " bytes but only " +
                std::to_string(size_ - position_) + " remain");
  }
  try {
    out = ByteArray(static_cast<std::size_t>(size));
  } catch (const std::bad_alloc&) {
    return fail(std::string("cannot allocate ") + std::to_string(size) + " bytes for the " + what);
  }
  if (size != 0 && std::fread(out.data(), 1, out.size(), file_.get()) != out.size()) {
    return fail(std::string("cannot read the ") + what);
  }
  hash_ = contentHash(out.span(), hash_);
  position_ += size;
  return true;
}

bool DatabaseFile::expectEnd() {
  if (!file_) return false;
  if (position_ == size_) return true;
  return fail(std::to_string(size_ - position_) + " bytes follow the blob that the header announces");
}

}  // namespace quorix
