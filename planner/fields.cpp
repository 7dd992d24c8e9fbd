#include "fields.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>

#include <cmath>

namespace {

using velmora::planning::Figure;

constexpr const char* kNotGiven = "—";

// The step a field moves by at its decimals.
double stepOf(const Figure& figure)
{
    return std::pow(10.0, -figure.decimals);
}

// The field's ends: an end the figure excludes is a step inside it, but for
// a figure that may be left out, whose lowest stands for "not given".
std::pair<double, double> endsOf(const Figure& figure)
{
    const velmora::optics::PlausibleRange& bounds = figure.bounds;
    const bool notGiven = !figure.byDefault && bounds.lowestExcluded;
    const double lowest = bounds.lowestExcluded && !notGiven ? bounds.lowest + stepOf(figure) : bounds.lowest;
    const double highest = bounds.highestExcluded ? figure.fieldMaximum() - stepOf(figure) : figure.fieldMaximum();
    return {lowest, highest};
}

QString suffixOf(const Figure& figure)
{
    const QString unit = QString::fromUtf8(figure.unit.data(), qsizetype(figure.unit.size()));
    if (unit.isEmpty() || unit == QStringLiteral("°") || unit == QStringLiteral("″"))
        return unit;
    return QLatin1Char(' ') + unit;
}

template <typename Box> void shape(Box* box, const Figure& figure, const QString& tip)
{
    box->setObjectName(QString::fromUtf8(figure.field.data(), qsizetype(figure.field.size())));
    box->setToolTip(tip);
    box->setAccessibleDescription(tip);
    box->setLocale(QLocale(QLocale::Italian));
    box->setSuffix(suffixOf(figure));
    if (!figure.byDefault && figure.bounds.lowestExcluded)
        box->setSpecialValueText(QString::fromUtf8(kNotGiven));
    box->setProperty("notGivenBelow", figure.bounds.lowestExcluded && !figure.byDefault);
}

} // namespace

QDoubleSpinBox* figureField(velmora::planning::FigureId id, const QString& tip)
{
    const Figure& figure = velmora::planning::figure(id);
    auto* box = new QDoubleSpinBox;
    box->setDecimals(figure.decimals);
    const auto [lowest, highest] = endsOf(figure);
    box->setRange(lowest, highest);
    box->setValue(figure.byDefault.value_or(lowest));
    shape(box, figure, tip);
    return box;
}

QSpinBox* wholeFigureField(velmora::planning::FigureId id, const QString& tip)
{
    const Figure& figure = velmora::planning::figure(id);
    auto* box = new QSpinBox;
    const auto [lowest, highest] = endsOf(figure);
    box->setRange(int(lowest), int(highest));
    box->setValue(int(figure.byDefault.value_or(lowest)));
    shape(box, figure, tip);
    return box;
}

std::optional<double> givenFigure(const QAbstractSpinBox* field)
{
    const double value = field->property("value").toDouble();
    const bool notGiven = field->property("notGivenBelow").toBool() && value <= field->property("minimum").toDouble();
    return notGiven ? std::nullopt : std::optional(value);
}

QLabel* fieldLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    label->setContentsMargins(0, 0, 2, 0);
    return label;
}

QLabel* figuresLine(const char* name, const QString& tip)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromUtf8(name));
    label->setToolTip(tip);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return label;
}

QLabel* messageLine(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromUtf8(name));
    label->setStyleSheet(QStringLiteral("color: #b00020"));
    label->setWordWrap(true);
    label->setAccessibleName(QStringLiteral("Avviso"));
    return label;
}
