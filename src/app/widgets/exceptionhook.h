// The application-wide handler of exceptions that escape an event handler:
// the application object hands every such exception to it, so that none
// crosses the event loop. The main window installs its error handler here
// when it is created.
#pragma once

#include <exception>
#include <functional>

class QObject;

namespace qolvar::app {

using ExceptionHandler = std::function<void(QObject* receiver, const std::exception& e)>;

// Installs the handler for as long as owner lives.
void InstallExceptionHandler(QObject* owner, ExceptionHandler handler);
// Hands an exception to the installed handler; false when there is none.
bool HandleException(QObject* receiver, const std::exception& e);

}  // namespace qolvar::app
