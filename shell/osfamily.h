#pragma once
// The system family by which the verb input box decides how to paste: "98/ME" (the box converts
// pasted Unicode text itself), "2000/XP", or empty. Only Windows versions have a family; on this
// platform the program's family is empty and the box pastes as any edit box does.

#include <string>

namespace quorix {

// From a Windows major and minor version: 4.0, 4.10, 4.51, 4.90 give "98/ME"; 4.1, 4.2 and any
// other major version with minor 0, 1 or 2 give "2000/XP"; everything else is empty.
std::string osFamilyOf(int major, int minor);

}  // namespace quorix
