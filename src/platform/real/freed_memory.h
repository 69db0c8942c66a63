#pragma once

// Memory the engine frees when a page closes stays with the allocator, which keeps it for
// later; handed back to the system, the program shrinks again after windows close.

namespace FreedMemory {

// Hands freed memory back a moment from now, once the engine has let go of a closed page;
// calls in between share that one moment.
void handBackSoon();

} // namespace FreedMemory
