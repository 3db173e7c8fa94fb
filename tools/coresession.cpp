#include "coresession.h"

#include <filesystem>
#include <iostream>

#include "db/codepages.h"
#include "lists/rowtext.h"

namespace quorix {

CoreSession::~CoreSession() {
  if (core_) core_->waitForListWorker();
}

bool CoreSession::open(const CommandLine& line, std::string& error) {
  const std::string folder = line.databaseFolder();
  if (!databases_.load(folder, error)) return false;
  const std::string cacheFolder = (std::filesystem::path(folder) / "query cache").string();
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

std::string readableEntryText(const DatabaseReaders& readers, ListEntry entry, bool russian) {
  std::string text;
  if (russian) {
    RussianSearchEntry found;
    if (readers.russianIndex.entryAt(entry, found)) text = found.word();
  } else {
    VerbRecord record;
    if (readers.verbs.decode(entry, record)) text = record.listText;
  }
  const RowTextParts parts = splitRowText(text);
  return codePageToUtf8(std::string(parts.first) + std::string(parts.rest),
                        russian ? CodePage::Russian1251 : CodePage::Hebrew1255);
}

int failWith(const std::string& message) {
  std::cerr << "quorix-cli: " << message << '\n';
  return 1;
}

}  // namespace quorix
