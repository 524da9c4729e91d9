#pragma once
// Draws what an exhibit holds besides the plan: the border, the title block with its texts,
// the scale bar and the north arrow, in sheet units.
#include "view/Canvas.h"
#include "view/ExhibitLayout.h"

namespace zorvane {

void drawExhibitSheet(const ExhibitLayout& layout, Canvas& canvas);

// Draws one title block text; a text wider than its maxWidth gets a smaller font so that it
// fits whole (a court exhibit shows every character of a case's name).
void drawSheetText(const SheetText& text, Canvas& canvas);

} // namespace zorvane
