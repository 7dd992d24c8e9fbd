#pragma once

#include "planning/suggestions.h"

#include <QAbstractTableModel>
#include <QTimeZone>

#include <vector>

// Tonight's targets as a table: one row a suggestion, the columns the
// figures the planning layer gave it. Sorting goes by each column's number,
// not its text.
class TonightModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // What a person chooses by first: name, kind, brightness, fill, hours.
    enum Column {
        Name,
        Type,
        Magnitude,
        Fill,
        UsableHours,
        Size,
        BestAngle,
        Transit,
        MoonSeparation,
        HoursNeeded,
        Columns
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setSuggestions(std::vector<velmora::planning::Suggestion> suggestions);
    // The clock the transits are read on.
    void setTimeZone(const QTimeZone& zone);
    const velmora::planning::Suggestion& suggestion(int row) const { return suggestions_[std::size_t(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<velmora::planning::Suggestion> suggestions_;
    QTimeZone zone_ = QTimeZone::utc();
};
