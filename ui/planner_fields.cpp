#include "planner_fields.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>

namespace {

void describe(QAbstractSpinBox* box, const FieldSpec& spec)
{
    box->setObjectName(QString::fromUtf8(spec.name));
    box->setToolTip(spec.tip);
    box->setAccessibleDescription(spec.tip);
    box->setLocale(QLocale(QLocale::Italian));
}

} // namespace

QDoubleSpinBox* decimalField(const FieldSpec& spec)
{
    auto* box = new QDoubleSpinBox;
    describe(box, spec);
    box->setDecimals(spec.decimals);
    box->setRange(spec.lowest, spec.highest);
    box->setValue(spec.value);
    box->setSuffix(spec.suffix);
    return box;
}

QSpinBox* wholeField(const FieldSpec& spec)
{
    auto* box = new QSpinBox;
    describe(box, spec);
    box->setRange(int(spec.lowest), int(spec.highest));
    box->setValue(int(spec.value));
    box->setSuffix(spec.suffix);
    return box;
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
