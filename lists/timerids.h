#pragma once
// The one-shot timers of the main window that the core starts. The window keeps one timer per id
// (starting an id again restarts it); when one fires it stops it first and hands the id back to the
// core (ProgramCore::onPageTimer).

namespace quorix::timer {

inline constexpr int kFillEndedWithEntries = 3757;  // select row 0 and show its verb
inline constexpr int kFillEndedEmpty = 3758;        // show the "No items found" page
inline constexpr int kReplayRowLink = 3759;         // navigate to the saved row link again
inline constexpr int kRestoreScroll = 43981;        // scroll the translation box back
inline constexpr int kFillEndDelayMs = 100;
inline constexpr int kPageDelayMs = 5;

}  // namespace quorix::timer
