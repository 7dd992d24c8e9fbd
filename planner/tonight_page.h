#pragma once

#include "planner_page.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class TonightModel;

// Tonight's targets for the rig from the site: the filters, the search
// away from the window's thread, the sortable list, and a row chosen to
// frame.
class TonightPage final : public PlannerPage {
    Q_OBJECT

public:
    explicit TonightPage(PlanningSession& session, QWidget* parent = nullptr);

    void remember(QSettings& settings) const override;
    void recall(Recalled& recalled) override;

signals:
    // A row was chosen: the window shows it framed.
    void objectChosen();

private:
    void search();
    void showFound();
    void choose(const QModelIndex& index);

    QComboBox* family_;
    QDoubleSpinBox* maxMagnitude_;
    QDoubleSpinBox* minFill_;
    QDoubleSpinBox* minHours_;
    QPushButton* search_;
    QProgressBar* busy_;
    QTableView* table_;
    TonightModel* model_;
    QSortFilterProxyModel* sorted_;
    QLabel* message_;
};
