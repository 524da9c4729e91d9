#pragma once
// The user's decimal separator, as the grids, fields and files write numbers; shared by the
// program and zorvane-cli, so that both write the same files.

namespace zorvane::ui {

// The locale's separator when it is one ASCII character, else '.'.
char localeDecimalSeparator();

} // namespace zorvane::ui
