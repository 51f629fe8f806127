// Hooks for testing the builder from outside.
#pragma once

namespace builder {

// Fails the way a broken statement would, so the fatal error report can be seen at work.
[[noreturn]] void raiseTestFault();

// Crashes the way a wild pointer would (a segmentation fault signal).
void raiseTestCrash();

}  // namespace builder
