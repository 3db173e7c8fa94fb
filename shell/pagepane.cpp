#include "pagepane.h"

namespace quorix {

PagePane::PagePane(QWidget* parent) : QWidget(parent) {}

}  // namespace quorix
