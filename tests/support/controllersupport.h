#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

class AppController;

// Helpers for the tests that drive the whole controller; the back-end tests
// link without it.
namespace korveltest {

/// Opens @p port at 115200 8-N-1 without flow control.
bool openDefault(AppController& controller, const QString& port);
/// Runs @p action on the next pass of the event loop once the controller's
/// port has received @p count bytes, i.e. while they are still a pending
/// partial line (its pause timer has just started).
void whenReceived(AppController& controller, qsizetype count, std::function<void()> action);

} // namespace korveltest
