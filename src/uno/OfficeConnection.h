#pragma once
// Reaching LibreOffice through its UNO bridge on our pipe.
#include "uno/OfficeSettings.h"

#include <com/sun/star/uno/Reference.hxx>
#include <com/sun/star/uno/XComponentContext.hpp>

namespace zorvane::uno {

using OfficeContext = css::uno::Reference<css::uno::XComponentContext>;

// The component context of the office listening on the settings' pipe. When none listens,
// soffice is started with that pipe and waited for, at most `settings.wait`. Throws
// ReportError: LibreOffice is not installed (officeMissingMessage), stopped while starting,
// or did not answer in time.
OfficeContext connectOffice(const OfficeSettings& settings);

// The office listening on the pipe, or none; never starts one.
OfficeContext reachOffice(const OfficeSettings& settings);

} // namespace zorvane::uno
