#pragma once

namespace quorrin {

// A window that behaves differently when the program closes it (as the main window does with every other
// window at exit) than when the user closes it.
class ProgramClosable
{
public:
    virtual ~ProgramClosable() = default;

    // Closes the window as program code does: nothing the user's close would save is saved.
    virtual void unloadByProgram() = 0;
};

} // namespace quorrin
