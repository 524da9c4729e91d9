#pragma once
// The program's own options (kept in progop.ini beside the program): defaults for new cases,
// the saved window state and the plan's display toggles.
#include <array>
#include <cstdint>

namespace zorvane {

struct WindowRect {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

struct ProgramOptions {
    std::int32_t defaultUnit = 0;     // 0..5
    std::int32_t defaultDecimals = 2; // 0..4
    std::int32_t firstPointNumber = 1;
    bool saveImages = true; // "Save images within ZVR file."
    bool rememberWindows = false;
    bool compactMode = false;
    WindowRect mainWindow;
    bool drawingVisible = false;
    WindowRect drawingWindow; // left -1: maximised
    bool polylinesVisible = false;
    WindowRect polylinesWindow;
    bool imagesVisible = false;
    WindowRect imagesWindow;
    bool showNumbers = true;
    bool showDescriptions = false;
    bool onlyMarked = false;
    bool showPolylines = true;
    bool showPoints = false;
    std::int32_t labelHeight = 12;
    bool autoZoomAllInReports = false;
    bool showNorthArrow = false;

    friend bool operator==(const ProgramOptions&, const ProgramOptions&) = default;
};

} // namespace zorvane
