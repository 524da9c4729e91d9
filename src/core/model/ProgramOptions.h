#pragma once
// The program's own options (kept in progop.ini): defaults for new cases, the saved window
// state and the plan's display toggles. The member initialisers are the options a new user
// starts with; the shipped progop.ini is generated from them.
#include <cstdint>

namespace zorvane {

struct WindowRect {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// The drawing window's stored left when it was maximised.
inline constexpr std::int32_t kMaximisedLeft = -1;

struct ProgramOptions {
    std::int32_t defaultUnit = 0;      // 0..5, as UnitSettings::unit
    std::int32_t defaultDecimals = 2;  // 0..4
    std::int32_t firstPointNumber = 1; // a new case starts with last point number = this - 1
    bool saveImages = true;            // "Save images within ZVR file."
    bool rememberWindows = true;       // "Remember Zorvane windows state."
    bool compactMode = false;
    // A first start with the windows state remembered opens where the design would: the
    // main window in its normal size, the drawing window 310 pixels below it.
    WindowRect mainWindow{40, 40, 720, 292};
    bool drawingVisible = false;
    WindowRect drawingWindow{40, 350, 672, 456}; // left kMaximisedLeft: maximised
    bool polylinesVisible = false;
    WindowRect polylinesWindow{780, 40, 300, 420}; // width and height are not restored
    bool imagesVisible = false;
    WindowRect imagesWindow{780, 350, 360, 420};
    bool showNumbers = true;           // shownum
    bool showDescriptions = false;     // showdesc
    bool onlyMarked = false;           // onlym
    bool showPolylines = true;         // showpl
    bool showPoints = false;           // showpoints
    std::int32_t labelHeight = 12;     // httxt
    bool autoZoomAllInReports = false; // "Auto ZoomAll when creating embedded Bitmap"
    bool showNorthArrow = false;       // shnord

    friend bool operator==(const ProgramOptions&, const ProgramOptions&) = default;
};

} // namespace zorvane
