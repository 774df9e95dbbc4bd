#pragma once

namespace quorrin::ui {

// The application-wide mouse pointer: the busy (hourglass) shape, or the default arrow. Setting either twice
// changes nothing, so whoever restores the arrow first wins, as with a single pointer setting.
void setBusyPointer(bool busy);

// The arrow over a dialog for as long as it is open: the user is asked something, the program is not busy.
class ArrowPointerWhileOpen
{
public:
    ArrowPointerWhileOpen();
    ~ArrowPointerWhileOpen();
    ArrowPointerWhileOpen(const ArrowPointerWhileOpen&) = delete;
    ArrowPointerWhileOpen& operator=(const ArrowPointerWhileOpen&) = delete;
};

} // namespace quorrin::ui
