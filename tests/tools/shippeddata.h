#pragma once
// The dictionary of data/ as the build compiles it: its sources and the compiled records, loaded once
// per test program and shared by the checks of the shipped content.

#include <string>

#include "dictionarycompiler.h"
#include "dictionarysources.h"

namespace quorix::dictionary {

struct ShippedData {
  DictionarySources sources;
  CompiledDictionary compiled;  // empty when the sources did not load
  std::string error;            // why the sources did not load; empty when they did
};

const ShippedData& shippedData();

}  // namespace quorix::dictionary
