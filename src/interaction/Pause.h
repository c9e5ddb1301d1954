// A wait that keeps the window responsive without using the processor.
#pragma once

// Returns once at least `seconds` have passed, processing window events meanwhile. Handlers may
// run nested inside it; the wait itself sleeps in the event loop instead of spinning.
void pause(double seconds);
