#pragma once
// The pages name their fonts by the names of another system (Arial, Times New Roman, David, Miriam,
// Symbol); fonts.conf in the program folder maps them to fonts of this one. Fontconfig reads its
// configuration once per process, and the page pane's engine starts processes of its own that
// inherit the environment, so the variable must be set before the application object exists.

#include <QString>

namespace quorix {

// Points FONTCONFIG_FILE at `programFolder`/fonts.conf when that file exists and the variable is not
// set already (a user's own configuration wins). True when the variable now names that file.
bool useProgramFontConfiguration(const QString& programFolder);

// The folder of the running program, ending in '/', read without an application object; empty when
// the system does not tell.
QString runningProgramFolder();

}  // namespace quorix
