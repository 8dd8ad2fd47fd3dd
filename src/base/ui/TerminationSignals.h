#pragma once

namespace zq {

// Makes SIGTERM, SIGINT and SIGHUP end the program through its event loop,
// as closing it would: what the program puts back at a normal exit (the
// desktop's keyboard layouts among others) is put back then too. A second
// signal ends the program at once. From then on the program also notes
// Qt's quit, which is how the end of the desktop session reaches it. Call
// once the application object exists; later calls change nothing.
void QuitOnTerminationSignals();

// True once the program has been told to end from outside, by a termination
// signal or the end of the session: nobody is there to answer a question,
// so windows close without asking.
bool ProgramToldToEnd();

}  // namespace zq
