#include "support/TempDir.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace zorvane::testing {

TempDir::TempDir() {
    std::string templ = (std::filesystem::temp_directory_path() / "zorvane-test-XXXXXX").string();
    if (!mkdtemp(templ.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = templ;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
}

} // namespace zorvane::testing
