#pragma once

namespace quorrin {

// The window's outer (frame) position and size, in twips.
enum class WindowProperty
{
    Left,
    Top,
    Width,
    Height,
};

// Parts of the main window's state that the window shows; see MainState.
enum class MainPart
{
    SourceList,          // Zone Names, source side
    TargetList,          // Zone Names, target side
    SourceListZoneNames, // friends of the source name, with check marks
    TargetListZoneNames, // friends of the target name
    Counters,            // Label3 and Label5
    Mode,                // the check marks of mnuNormal / mnuDeveloper and DebugList's visibility
    DebugList,           // the diagnostic log
};

// What only the main window can do or answer. The window implements it; tests fake it.
class MainView
{
public:
    virtual ~MainView() = default;

    virtual void setTimer1Enabled(bool enabled) = 0;

    // The application-wide mouse pointer: busy (hourglass) or the default arrow.
    virtual void setBusyPointer(bool busy) = 0;

    // Outer geometry in twips; reading gives back what the window really has.
    virtual double windowProperty(WindowProperty property) const = 0;
    virtual void setWindowProperty(WindowProperty property, double twips) = 0;

    // A part of MainState changed: show it anew.
    virtual void stateChanged(MainPart part) = 0;

    // Repaint a control now.
    virtual void redraw(MainPart part) = 0;

    // Moves the splash window out of view before an error is reported (nothing when no splash window exists).
    virtual void moveSplashOutOfView() = 0;
};

} // namespace quorrin
