#include "osfamily.h"

namespace quorix {

std::string osFamilyOf(int major, int minor) {
  if (major == 4) {
    if (minor == 0 || minor == 10 || minor == 51 || minor == 90) return "98/ME";
    if (minor == 1 || minor == 2) return "2000/XP";
    return {};
  }
  if (minor == 0 || minor == 1 || minor == 2) return "2000/XP";
  return {};
}

}  // namespace quorix
