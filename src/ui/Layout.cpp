#include "ui/Layout.h"

#include <stdexcept>
#include <string>

namespace quorrin::ui {

bool takesFocus(ControlKind kind)
{
    return kind != ControlKind::Label && kind != ControlKind::Frame;
}

const ControlRow& WindowLayout::control(std::string_view controlName) const
{
    for (const ControlRow& row : controls)
        if (row.name == controlName)
            return row;
    throw std::out_of_range(std::string(name) + " has no control " + std::string(controlName));
}

} // namespace quorrin::ui
