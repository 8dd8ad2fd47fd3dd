#pragma once

namespace zq {

// Makes SIGTERM, SIGINT and SIGHUP end the program through its event loop,
// as closing it would: what the program puts back at a normal exit (the
// desktop's keyboard layouts among others) is put back then too. A second
// signal ends the program at once. Call once the application object exists;
// later calls change nothing.
void QuitOnTerminationSignals();

// True once a termination signal has come: the session is ending, nobody is
// there to answer a question, so windows close without asking.
bool TerminationSignalReceived();

}  // namespace zq
