#include "widgets/exceptionhook.h"

#include <QObject>
#include <QPointer>

namespace qolvar::app {

namespace {
struct Installed {
    QPointer<QObject> owner;
    ExceptionHandler handler;
};
Installed& TheHandler()
{
    static Installed installed;
    return installed;
}
}  // namespace

void InstallExceptionHandler(QObject* owner, ExceptionHandler handler) { TheHandler() = {owner, std::move(handler)}; }

bool HandleException(QObject* receiver, const std::exception& e)
{
    const Installed& h = TheHandler();
    if (!h.owner || !h.handler) return false;
    h.handler(receiver, e);
    return true;
}

}  // namespace qolvar::app
