#pragma once

namespace zq {

// For a process that has left a thread stuck inside a library (a sound
// server that stopped answering, a decoder that waits for ever, a speech
// service still connecting; see SoundThread and SpeechThread): from this
// call on, exit() ends the process at once, with the status it was given,
// after flushing the C standard streams, and without running the
// destructors of the global objects made before this call. The libraries'
// global objects (the sound server's main loop, Qt's sample cache) are in
// use by the stuck thread: destroying them under it aborts the program or
// corrupts its heap.
//
// Returning from main ends through exit() too. Objects of main's scope, and
// global objects made after this call, are still destroyed as usual. Any
// thread may call it, as often as it likes; the first call counts.
void SkipGlobalDestructorsAtExit();

}  // namespace zq
