#pragma once

#include "app/MainView.h"

#include <array>
#include <vector>

namespace quorrin::test {

// Records what the core asks of the main window. Geometry is kept as set, so reading it back gives what was
// set unless a test says otherwise.
class FakeMainView : public MainView
{
public:
    void setTimer1Enabled(bool enabled) override { timer1History.push_back(timer1Enabled = enabled); }
    void setBusyPointer(bool isBusy) override { pointerHistory.push_back(isBusy); }
    double windowProperty(WindowProperty property) const override
    {
        return geometry[static_cast<std::size_t>(property)];
    }
    void setWindowProperty(WindowProperty property, double twips) override
    {
        geometry[static_cast<std::size_t>(property)] = twips;
        geometryWrites.push_back(property);
    }
    void stateChanged(MainPart part) override { changes.push_back(part); }
    void redraw(MainPart) override {}
    void moveSplashOutOfView() override { ++splashMoves; }

    bool timer1Enabled = true;
    std::vector<bool> timer1History;
    std::vector<bool> pointerHistory;
    std::array<double, 4> geometry{1575, 420, 8265, 7725};
    std::vector<WindowProperty> geometryWrites;
    std::vector<MainPart> changes;
    int splashMoves = 0;
};

} // namespace quorrin::test
