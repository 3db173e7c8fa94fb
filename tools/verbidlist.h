#pragma once
// The verbs a command shows or exports: in the order they were first met, each once.

#include <cstdint>
#include <vector>

#include "db/records.h"
#include "lists/databasereaders.h"

namespace quorix {

class VerbIdList {
 public:
  // Adds a verb unless it is there already; 0, which is no verb, is left out.
  void add(std::uint32_t verbId);
  // Adds the verbs that the page of a Russian word or an English meaning lists, in its group's
  // order: every row's verb, or only the marked rows' when the entry says so.
  void addVerbsOf(const DatabaseReaders& readers, InputLanguage side, const RussianSearchEntry& entry);

  const std::vector<std::uint32_t>& ids() const { return ids_; }

 private:
  std::vector<std::uint32_t> ids_;
};

}  // namespace quorix
