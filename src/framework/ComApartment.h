#pragma once
// COM on the thread of the windows, joined when something first needs it: the shell's
// verbs (a verb may be carried out by a COM handler) and screen readers' calls.

namespace fw {

// Joins the calling thread to a single-threaded apartment the first time it is asked on
// that thread, for the rest of the thread's life. False when the thread has no COM:
// it is in another kind of apartment already, or the COM library cannot be loaded.
bool JoinComApartment();

}  // namespace fw
