#include "ui/qt/Twips.h"

namespace quorrin::ui {

QRect twipsRect(double left, double top, double width, double height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QRect twipsRect(const TwipsRect& twips)
{
    return twipsRect(twips.left, twips.top, twips.width, twips.height);
}

} // namespace quorrin::ui
