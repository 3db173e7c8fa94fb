#pragma once
// Writing a whole file so that readers never see it half-written: the bytes go to a temporary file
// in the same folder, are flushed to the disk, and the file is then renamed over the target. An
// interrupted write leaves at most a stray temporary file, never a short target, and two processes
// writing the same target each install a complete copy.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quorix {

// False (with `error` set, and no temporary file left behind) when the folder is missing or not
// writable or the disk is full.
bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string& error);

// Whether `fileName` (without its folder) is a temporary file that writeFileAtomically made for a
// target whose name ends with `targetSuffix` (for example ".cache") and that a killed writer left
// behind. Whoever owns the folder removes them.
bool isLeftOverTemporary(std::string_view fileName, std::string_view targetSuffix);

}  // namespace quorix
