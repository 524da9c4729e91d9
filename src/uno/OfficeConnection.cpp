#include "uno/OfficeConnection.h"

#include "reports/ReportError.h"
#include "uno/OfficeProcess.h"
#include "uno/UnoText.h"
#include "uno/WriterReport.h"

#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

#include <mutex>
#include <thread>

namespace zorvane::uno {

namespace {

using css::uno::Reference;
using css::uno::UNO_QUERY;

constexpr auto kPollInterval = std::chrono::milliseconds(200);

// Our side of the bridge, made once. It is never torn down: UNO does not survive being
// destroyed by static destructors at exit.
OfficeContext localContext(const OfficeSettings& settings) {
    static std::mutex mutex;
    static OfficeContext* context = nullptr;
    const std::lock_guard lock(mutex);
    if (!context) {
        // The runtime finds its type libraries through this file; without them the office's
        // interfaces cannot cross the bridge.
        rtl::Bootstrap::set("URE_BOOTSTRAP", toOUString("vnd.sun.star.pathname:" +
                                                        settings.bootstrapFile().string()));
        try {
            context = new OfficeContext(cppu::defaultBootstrap_InitialComponentContext());
        } catch (const cppu::BootstrapException& e) {
            throw ReportError(
                "The LibreOffice runtime could not be started: " + toUtf8(e.getMessage()) + ".");
        }
    }
    return *context;
}

OfficeContext resolve(const OfficeSettings& settings) {
    const Reference<css::bridge::XUnoUrlResolver> resolver =
        css::bridge::UnoUrlResolver::create(localContext(settings));
    try {
        return OfficeContext(resolver->resolve(toOUString(settings.connectionUrl())), UNO_QUERY);
    } catch (const css::connection::NoConnectException&) {
        return {};
    }
}

std::string seconds(std::chrono::milliseconds wait) {
    const auto n = (wait.count() + 999) / 1000;
    return std::to_string(n) + (n == 1 ? " second" : " seconds");
}

OfficeContext waitForOffice(const OfficeSettings& settings, OfficeProcess& office) {
    const auto deadline = std::chrono::steady_clock::now() + settings.wait;
    while (std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kPollInterval);
        if (OfficeContext context = resolve(settings); context.is()) return context;
        // Status 0: it handed its arguments to an office already running, which opens the pipe.
        if (const auto status = office.exitStatus(); status && *status != 0)
            throw ReportError("LibreOffice stopped while it was starting (exit status " +
                              std::to_string(*status) + "), so the report was not made.");
    }
    throw ReportError("LibreOffice did not answer within " + seconds(settings.wait) +
                      ", so the report was not made. Close any LibreOffice window that "
                      "waits for an answer and try again.");
}

} // namespace

OfficeContext reachOffice(const OfficeSettings& settings) {
    if (!settings.installed()) throw ReportError(officeMissingMessage());
    try {
        return resolve(settings);
    } catch (const css::uno::Exception& e) {
        throw ReportError("LibreOffice could not be reached: " + reasonOf(e) + ".");
    }
}

OfficeContext connectOffice(const OfficeSettings& settings) {
    if (OfficeContext context = reachOffice(settings); context.is()) return context;
    OfficeProcess office(settings.soffice(), settings.arguments());
    try {
        return waitForOffice(settings, office);
    } catch (const css::uno::Exception& e) {
        throw ReportError("LibreOffice could not be reached: " + reasonOf(e) + ".");
    }
}

} // namespace zorvane::uno
