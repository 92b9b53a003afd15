#pragma once

#include <QObject>

#include <functional>

// Runs quit on the user-interface thread when the process receives SIGTERM,
// SIGINT or SIGHUP, as long as context lives.
void OnQuitSignals(QObject *context, const std::function<void()> &quit);
