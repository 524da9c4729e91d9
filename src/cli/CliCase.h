#pragma once
// Opening a case for a command, as the program's Open does: the file read and checked in full,
// then the open case replaced and its plan fitted to a drawing surface of the given size.
#include "case/CaseDocument.h"

#include <string>
#include <string_view>

namespace zorvane::cli {

class CliEnvironment;

inline constexpr int kDefaultSurfaceWidth = 1024;
inline constexpr int kDefaultSurfaceHeight = 768;

// Throws CliError::refused with the reader's message for a file that is not a case.
void openCaseFile(CaseDocument& doc, const std::string& path, CliEnvironment& env,
                  int width = kDefaultSurfaceWidth, int height = kDefaultSurfaceHeight);

// "xyz", "polar", "nesw" in any letter case; CliError::usage otherwise.
CaseMode coordinateKind(std::string_view text);

} // namespace zorvane::cli
