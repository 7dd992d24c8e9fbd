#include "control_factory.h"

#include "utf8.h"
#include "wrapping_button.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace velmora::ui {

namespace {

QStringList familiesFor(Face face)
{
    switch (face) {
    case Face::Georgia:
        return {QStringLiteral("Georgia"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
    case Face::Arial:
        return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    case Face::MsSansSerif:
        return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    case Face::Symbol: // shown as Greek letters, in a face that has them
        return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    }
    return {};
}

// The first installed family of a face's list, looked up once: asking the
// font system for a missing family makes it search all fallbacks, at every
// size, which would slow the window's start.
QString installedFamily(Face face)
{
    static QHash<Face, QString> chosen;
    const auto known = chosen.constFind(face);
    if (known != chosen.cend())
        return *known;
    // Looked up in the plain list: asking hasFamily() about a missing family
    // makes fontconfig resolve it as an alias, which costs as much.
    static const QStringList installedFamilies = QFontDatabase::families();
    const QStringList families = familiesFor(face);
    const auto installed = std::find_if(
        families.cbegin(), families.cend(), [](const QString& family) { return installedFamilies.contains(family); });
    return chosen[face] = installed != families.cend() ? *installed : families.front();
}

Qt::Alignment alignmentOf(Align align)
{
    switch (align) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// Each widget gets its font before its text, so that no text is ever laid
// out in a font it will not keep.
QWidget* createWidget(const ControlSpec& row, QWidget* container)
{
    const QString caption = toQString(row.caption);
    const QFont font = fontFor(row.font);
    switch (row.kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(container);
        frame->setFont(font);
        frame->setTitle(caption);
        if (row.look & RedCaption) {
            QPalette palette = frame->palette();
            palette.setColor(QPalette::WindowText, Qt::red);
            frame->setPalette(palette);
        }
        return frame;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(container);
        label->setFont(font);
        label->setText(row.font.face == Face::Symbol ? symbolFontText(caption) : caption);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(alignmentOf(row.align));
        QPalette palette = label->palette();
        palette.setColor(
            QPalette::WindowText, (row.look & BlackText) ? QColor(Qt::black) : palette.color(QPalette::ButtonText));
        label->setPalette(palette);
        return label;
    }
    case ControlKind::TextField: {
        auto* field = new QLineEdit(container);
        field->setFont(font);
        if (row.look & (RedGround | BlackText)) {
            QPalette palette = field->palette();
            if (row.look & RedGround)
                palette.setColor(QPalette::Base, Qt::red);
            if (row.look & BlackText)
                palette.setColor(QPalette::Text, Qt::black);
            field->setPalette(palette);
        }
        return field;
    }
    case ControlKind::Button: {
        auto* button = new WrappingButton(container);
        button->setFont(font);
        button->setText(caption);
        return button;
    }
    case ControlKind::Picture: {
        auto* picture = new QLabel(container);
        picture->setPixmap(QPixmap(caption));
        return picture;
    }
    }
    return nullptr;
}

} // namespace

QRect pixelRect(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

QFont fontFor(const FontSpec& wanted)
{
    QFont font(installedFamily(wanted.face));
    font.setPixelSize(static_cast<int>(std::lround(wanted.points * 96.0 / 72.0)));
    font.setBold(wanted.bold);
    return font;
}

QString symbolFontText(QStringView latin)
{
    // The Symbol font's Greek letters, in the order of the Latin ones they replace.
    static const QString upper = QStringLiteral("ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
    static const QString lower = QStringLiteral("αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
    QString shown;
    for (const QChar c : latin) {
        if (c >= u'A' && c <= u'Z')
            shown += upper[c.unicode() - u'A'];
        else if (c >= u'a' && c <= u'z')
            shown += lower[c.unicode() - u'a'];
        else
            shown += c;
    }
    return shown;
}

QHash<QString, QWidget*> buildControls(std::span<const ControlSpec> controls, QWidget* clientArea)
{
    QHash<QString, QWidget*> byName;
    for (const bool frames : {true, false}) {
        for (const ControlSpec& row : controls) {
            if ((row.kind == ControlKind::Frame) != frames)
                continue;
            QWidget* container = row.container.empty() ? clientArea : byName.value(toQString(row.container));
            QWidget* widget = createWidget(row, container);
            widget->setObjectName(toQString(row.name));
            QRect geometry = pixelRect(row.left, row.top, row.width, row.height);
            if (row.kind == ControlKind::Picture) // shown at its natural size
                geometry.setSize(static_cast<QLabel*>(widget)->pixmap().size());
            widget->setGeometry(geometry);
            byName.insert(widget->objectName(), widget);
        }
    }
    return byName;
}

} // namespace velmora::ui
