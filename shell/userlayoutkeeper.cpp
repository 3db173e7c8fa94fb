#include "userlayoutkeeper.h"

namespace quorix {

UserLayoutKeeper::UserLayoutKeeper(KeyboardLayouts& layouts, std::function<void(bool coupled)> couple)
    : layouts_(layouts), couple_(std::move(couple)) {}

UserLayoutKeeper::~UserLayoutKeeper() { setProgramInFront(false); }

void UserLayoutKeeper::setProgramInFront(bool inFront) {
  if (inFront == userSelection_.has_value()) return;
  if (inFront) {
    userSelection_ = layouts_.selection();
    couple_(true);
    return;
  }
  couple_(false);
  layouts_.restoreSelection(*userSelection_);
  userSelection_.reset();
}

}  // namespace quorix
