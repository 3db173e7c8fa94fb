#include "shippeddata.h"

#include <memory>

namespace quorix::dictionary {

const ShippedData& shippedData() {
  static const std::unique_ptr<ShippedData> data = [] {
    auto loaded = std::make_unique<ShippedData>();
    if (loaded->sources.load(QUORIX_DATA_DIR, "", loaded->error)) loaded->compiled = compileDictionary(loaded->sources);
    return loaded;
  }();
  return *data;
}

}  // namespace quorix::dictionary
