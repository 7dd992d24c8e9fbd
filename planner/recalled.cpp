#include "recalled.h"

#include <QAbstractSpinBox>
#include <QSpinBox>

#include <cmath>

double Recalled::number(const QString& key, double lowest, double highest, double otherwise)
{
    const QVariant value = settings_.value(key);
    if (!value.isValid())
        return otherwise;
    bool read = false;
    const double number = value.toString().toDouble(&read);
    if (read && std::isfinite(number) && number >= lowest && number <= highest)
        return number;
    setAside_ << key;
    return otherwise;
}

bool Recalled::truth(const QString& key, bool otherwise)
{
    const QVariant value = settings_.value(key);
    if (!value.isValid())
        return otherwise;
    const QString text = value.toString();
    if (text == QStringLiteral("true") || text == QStringLiteral("false"))
        return text == QStringLiteral("true");
    setAside_ << key;
    return otherwise;
}

void Recalled::into(QAbstractSpinBox* box, const QString& key)
{
    const double lowest = box->property("minimum").toDouble();
    const double highest = box->property("maximum").toDouble();
    const double made = box->property("value").toDouble();
    const double value = number(key, lowest, highest, made);
    if (qobject_cast<QSpinBox*>(box) && value != std::round(value))
        setAside_ << key;
    else
        box->setProperty("value", value);
}

QString Recalled::said() const
{
    return setAside_.isEmpty()
        ? QString()
        : QStringLiteral("Impostazioni ricordate messe da parte, illeggibili o fuori dai limiti: %1")
              .arg(setAside_.join(QStringLiteral(", ")));
}
