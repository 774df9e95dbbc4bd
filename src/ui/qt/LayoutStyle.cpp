#include "ui/qt/LayoutStyle.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace quorrin::ui {

namespace {

QStringList families(FontFace face)
{
    switch (face) {
    case FontFace::Verdana:
        return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
    case FontFace::MsSansSerif:
        return {QStringLiteral("MS Sans Serif"),   QStringLiteral("Microsoft Sans Serif"),
                QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                QStringLiteral("Nimbus Sans"),     QStringLiteral("DejaVu Sans")};
    case FontFace::Arial:
        return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")};
    case FontFace::Window:
        break;
    }
    return {};
}

QColor toQColor(Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

void paintGrey(QWidget* widget)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, toQColor(kGreyBackground));
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
        palette.setColor(role, toQColor(kGreyText));
    widget->setPalette(palette);
}

// The platform's colours, marked as the widget's own so that the colours of the window do not reach it.
void keepPlatformColours(QWidget* widget)
{
    QPalette palette = QApplication::palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    widget->setPalette(palette);
}

void paintWhite(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    widget->setPalette(palette);
}

} // namespace

QFont layoutFont(const ControlFont& wanted)
{
    QFont font;
    if (wanted.face != FontFace::Window) {
        font.setFamilies(families(wanted.face));
        font.setPointSizeF(wanted.points);
    }
    if (wanted.bold || wanted.face != FontFace::Window)
        font.setBold(wanted.bold);
    return font;
}

void applyColours(QWidget* widget, Colours colours)
{
    switch (colours) {
    case Colours::Window:
        break;
    case Colours::Grey:
        paintGrey(widget);
        break;
    case Colours::Platform:
        keepPlatformColours(widget);
        break;
    case Colours::White:
        paintWhite(widget);
        break;
    }
}

} // namespace quorrin::ui
