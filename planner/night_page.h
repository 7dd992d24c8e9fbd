#pragma once

#include "planner_page.h"
#include "sky/horizon_profile.h"

class NightChartView;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

// The site and its night: where, on which clock, when; the horizon and the
// lowest altitude worth imaging; the chart of the night and what the site
// gives the object framed, all on the site's clock.
class NightPage final : public PlannerPage {
    Q_OBJECT

public:
    explicit NightPage(PlanningSession& session, QWidget* parent = nullptr);

    void remember(QSettings& settings) const override;
    void recall(Recalled& recalled) override;

private:
    void write();
    void chooseZone();
    void chooseHorizon();
    void readHorizon(const QString& path);
    void showAnswer();
    QStringList siteFigures() const;
    QStringList nightFigures() const;

    QDoubleSpinBox* latitude_;
    QDoubleSpinBox* longitude_;
    QDoubleSpinBox* elevation_;
    QComboBox* zone_;
    QDateTimeEdit* moment_; // the wall clock's date and time at the site
    QLabel* zoneName_;
    QDoubleSpinBox* minAltitude_;
    QCheckBox* altAz_;
    QLabel* horizonName_;
    QString horizonPath_;
    velmora::sky::HorizonProfile horizon_;
    NightChartView* chart_;
    QLabel* figures_;
    QLabel* message_;
};
