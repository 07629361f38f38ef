#pragma once

#include <functional>
#include <initializer_list>

// Turns the signals that ask a program to end (SIGTERM from the session or a service
// manager, SIGHUP from a closed terminal, SIGINT from Ctrl+C) into a call on the event
// loop, where any code may run: the handler itself only writes the signal's number to
// a socket pair. Call once per process, after the application object exists; a later
// call does nothing.
void CallOnSignals(std::initializer_list<int> signalNumbers, std::function<void(int)> onSignal);
