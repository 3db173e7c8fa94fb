#include "listmode.h"

namespace quorix {

bool isKnownFormFilter(FormFilter filter) {
  return filter == formfilter::kAll || filter == formfilter::kRoot || filter == formfilter::kInfinitive ||
         filter == formfilter::kPresent || filter == formfilter::kPast;
}

CacheKey cacheKeyOf(const FillRequest& request) {
  CacheKey key{request.mode, 0, 0};
  switch (request.mode) {
    case listmode::kTablesOfBinyan:
    case listmode::kVerbsOfBinyan:
      key.parameter = request.currentBinyan;
      key.filter = request.formFilter;
      break;
    case listmode::kTablesByNumber:
      key.filter = request.formFilter;
      break;
    case listmode::kVerbsOfTable:
      key.parameter = request.currentTable;
      key.filter = request.formFilter;
      break;
    default:
      break;
  }
  return key;
}

}  // namespace quorix
