#pragma once

namespace quorrin::ui {

// The application-wide mouse pointer: the busy (hourglass) shape, or the default arrow. Setting either twice
// changes nothing, so whoever restores the arrow first wins, as with a single pointer setting.
void setBusyPointer(bool busy);

} // namespace quorrin::ui
