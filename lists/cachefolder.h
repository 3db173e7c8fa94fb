#pragma once
// Where the query cache of a program folder lives.
//
// A copy that runs from a folder it may write (the build's program folder, a copy unpacked by hand)
// keeps its lists beside itself, in "<program folder>/query cache". An installed copy does not: its
// folder belongs to the package manager (which would neither remove files it did not install nor
// expect them there), and other users cannot write it. Such a copy keeps its lists in the user's
// cache folder, "$XDG_CACHE_HOME/quorix/query cache/<stamp>" (~/.cache when the variable is unset),
// where the stamp names the database files the lists were built from: a cache file holds record
// offsets, which a later version of the databases would read as other verbs, so each version of the
// databases gets a folder of its own.
//
// A copy counts as installed when its folder holds the file kInstalledCopyMarker, which the install
// rules put there, or when the user cannot write the folder. Root can write every folder, so the
// marker is what keeps an installed copy started as root out of its own folder.

#include <string>
#include <string_view>

namespace quorix {

inline constexpr std::string_view kInstalledCopyMarker = "installed-copy";

// "query cache" beside the program or in the user's cache folder, as above. `programFolder` may end
// in '/' or not; empty is the current folder. Without a user cache folder (neither variable set)
// the lists stay beside the program: if it cannot be written, every fill scans, as it does when
// the folder cannot be created. The folder is not created here.
std::string queryCacheFolder(const std::string& programFolder);

// The user's cache folder by the XDG rule: $XDG_CACHE_HOME when it is an absolute path, else
// $HOME/.cache; empty when neither gives one. Arguments are the variables' values (null: unset).
std::string userCacheHome(const char* xdgCacheHome, const char* home);

// Sixteen hexadecimal digits that change when any database file ("*.db") of the folder is added,
// removed, resized or rewritten (its modification time, to the nanosecond).
std::string databaseStamp(const std::string& programFolder);

}  // namespace quorix
