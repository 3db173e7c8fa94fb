#include "coresession.h"

#include <filesystem>

#include "clinames.h"
#include "db/codepages.h"
#include "lists/cachefolder.h"
#include "lists/rowtext.h"

namespace quorix {

CoreSession::~CoreSession() {
  if (core_) core_->waitForListWorker();
}

bool CoreSession::open(const CommandLine& line, std::string& error) {
  const std::string folder = line.databaseFolder();
  if (!databases_.load(folder, error)) return false;
  const std::string cacheFolder = queryCacheFolder(folder);
  // As at the program's start: a folder that cannot be made only means that every fill scans.
  std::error_code ignored;
  std::filesystem::create_directories(cacheFolder, ignored);
  ListWorkerHost& worker = *this;
  WindowHost& window = *this;
  PageHost& pane = *this;
  core_ = std::make_unique<ProgramCore>(readers(), cacheFolder, worker, window, pane);
  return true;
}

std::uint32_t CoreSession::fill(ListMode mode) {
  core_->startListWorker(mode);
  core_->waitForListWorker();
  return core_->list().entryCount();
}

std::string readableEntryText(const DatabaseReaders& readers, ListEntry entry, InputLanguage side) {
  std::string text;
  if (side == inputlanguage::kHebrew) {
    VerbRecord record;
    if (readers.verbs.decode(entry, record)) text = record.listText;
  } else {
    RussianSearchEntry found;
    if (readers.searchIndexOf(side).entryAt(entry, found)) text = found.word();
  }
  const RowTextParts parts = splitRowText(text);
  return codePageToUtf8(std::string(parts.first) + std::string(parts.rest), sideOf(side).codePage);
}

}  // namespace quorix
