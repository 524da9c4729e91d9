#include "files/CoordinateFileDialog.h"

namespace zorvane {

// NESW files are .zvn both ways, so that a name typed without extension finds the file an
// export wrote.
CoordinateFileDialog importDialog(CaseMode kind) {
    switch (kind) {
    case CaseMode::Polar:
        return {"Import Polar files", "zvp", 2};
    case CaseMode::Nesw:
        return {"Import NESW files", "zvn", 3};
    case CaseMode::Xyz:
    default:
        return {"Import XYZ files", "zvx", 1};
    }
}

CoordinateFileDialog exportDialog(CaseMode kind) {
    switch (kind) {
    case CaseMode::Polar:
        return {"Export Polar files", "zvp", 2};
    case CaseMode::Nesw:
        return {"Export NESW files", "zvn", 3};
    case CaseMode::Xyz:
    default:
        return {"Export XYZ files", "zvx", 1};
    }
}

} // namespace zorvane
