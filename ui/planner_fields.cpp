#include "planner_fields.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>

namespace {

void describe(QAbstractSpinBox* box, const FieldShape& shape)
{
    box->setObjectName(QString::fromUtf8(shape.name));
    box->setToolTip(shape.tip);
    box->setAccessibleDescription(shape.tip);
    box->setLocale(QLocale(QLocale::Italian));
}

} // namespace

QDoubleSpinBox* decimalField(const FieldShape& shape)
{
    auto* box = new QDoubleSpinBox;
    describe(box, shape);
    box->setDecimals(shape.decimals);
    box->setRange(shape.lowest, shape.highest);
    box->setValue(shape.value);
    box->setSuffix(shape.suffix);
    return box;
}

QSpinBox* wholeField(const FieldShape& shape)
{
    auto* box = new QSpinBox;
    describe(box, shape);
    box->setRange(int(shape.lowest), int(shape.highest));
    box->setValue(int(shape.value));
    box->setSuffix(shape.suffix);
    return box;
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
