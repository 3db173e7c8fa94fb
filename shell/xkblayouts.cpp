#include "xkblayouts.h"

#include <QGuiApplication>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace quorix {

namespace {
constexpr int kPollMs = 100;
constexpr int kMaxGroups = 4;
}  // namespace

std::unique_ptr<XkbLayouts> XkbLayouts::create() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->display() == nullptr) return nullptr;
  Display* display = x11->display();
  int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
  if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) return nullptr;
  return std::unique_ptr<XkbLayouts>(new XkbLayouts(display));
}

XkbLayouts::XkbLayouts(_XDisplay* display) : display_(display) {
  if (XkbDescPtr keyboard = XkbAllocKeyboard()) {
    if (XkbGetNames(display_, XkbSymbolsNameMask, keyboard) == Success && keyboard->names &&
        keyboard->names->symbols != None) {
      if (char* symbols = XGetAtomName(display_, keyboard->names->symbols)) {
        groups_ = groupLayouts(symbols);
        XFree(symbols);
      }
    }
    XkbFreeKeyboard(keyboard, 0, True);
  }
  lastGroup_ = activeGroup();
  QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
  poll_.start(kPollMs);
}

XkbLayouts::~XkbLayouts() = default;

std::vector<std::string> XkbLayouts::groupLayouts(const std::string& symbols) {
  // Components are "+"-separated. "pc" (the key codes' base) comes first; the first component
  // after it without a group number is the layout of group 1; "name:N" is the layout of group N;
  // any later component without a number is an option (inet(evdev), group(...)).
  std::vector<std::string> groups;
  bool groupOneSeen = false;
  std::size_t start = 0;
  while (start < symbols.size()) {
    std::size_t end = symbols.find('+', start);
    if (end == std::string::npos) end = symbols.size();
    std::string part = symbols.substr(start, end - start);
    start = end + 1;
    int group = 0;
    if (const std::size_t colon = part.find(':'); colon != std::string::npos) {
      const std::string digits = part.substr(colon + 1);
      if (digits.size() == 1 && digits[0] >= '1' && digits[0] <= '0' + kMaxGroups) group = digits[0] - '0';
      part.erase(colon);
      if (group == 0) continue;
    } else {
      if (part == "pc" || part.empty() || groupOneSeen) continue;
      group = 1;
    }
    if (const std::size_t paren = part.find('('); paren != std::string::npos) part.erase(paren);
    if (group == 1) groupOneSeen = true;
    if (groups.size() < static_cast<std::size_t>(group)) groups.resize(static_cast<std::size_t>(group));
    groups[static_cast<std::size_t>(group - 1)] = part;
  }
  return groups;
}

LayoutHandle XkbLayouts::handleOf(const std::string& layoutName, int group) {
  if (layoutName == "il") return kHebrewLayout;
  if (layoutName == "ru") return kRussianLayout;
  return 0x00010000u + static_cast<LayoutHandle>(group);
}

int XkbLayouts::activeGroup() const {
  XkbStateRec state{};
  if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success) return -1;
  return state.group;
}

LayoutHandle XkbLayouts::active() const {
  const int group = activeGroup();
  if (group < 0 || group >= static_cast<int>(groups_.size())) return handleOf(std::string(), group);
  return handleOf(groups_[static_cast<std::size_t>(group)], group);
}

bool XkbLayouts::activate(LayoutHandle layout) {
  for (int group = 0; group < static_cast<int>(groups_.size()) && group < kMaxGroups; ++group) {
    if (handleOf(groups_[static_cast<std::size_t>(group)], group) != layout) continue;
    restoreSelection(group);
    return true;
  }
  return false;
}

void XkbLayouts::restoreSelection(int group) {
  if (group < 0 || group >= kMaxGroups) return;
  XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>(group));
  // At once: the program may be about to end, and the group must reach the server before it does.
  XFlush(display_);
}

void XkbLayouts::poll() {
  const int group = activeGroup();
  if (group == lastGroup_) return;
  lastGroup_ = group;
  if (handler_) handler_();
}

}  // namespace quorix
