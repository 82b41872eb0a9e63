#pragma once
// How the kit's controls are read by a screen reader where Qt's own reading does not say
// what a sighted user reads.
namespace kit {

// A combo box is named by its label, not by its current value (which is its value); safe to
// call more than once.
void installAccessibility();

} // namespace kit
