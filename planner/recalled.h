#pragma once

#include <QSettings>
#include <QStringList>

class QAbstractSpinBox;

// What the planner remembered, read strictly: a value that does not read as
// what its field holds, or lies outside the field's bounds, is set aside
// and the field keeps what it has.
class Recalled {
public:
    explicit Recalled(QSettings& settings) : settings_(settings) { }

    QSettings& settings() { return settings_; }
    // A number within bounds, else `otherwise`.
    double number(const QString& key, double lowest, double highest, double otherwise);
    bool truth(const QString& key, bool otherwise);
    // Into a field, within its bounds; whole for a whole field.
    void into(QAbstractSpinBox* box, const QString& key);
    QString text(const QString& key) const { return settings_.value(key).toString(); }

    bool anySetAside() const { return !setAside_.isEmpty(); }
    // "Impostazioni ricordate messe da parte: …", once; empty when all read.
    QString said() const;

private:
    QSettings& settings_;
    QStringList setAside_;
};
