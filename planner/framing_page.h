#pragma once

#include "planner_page.h"

#include <optional>

class FramingView;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
namespace velmora::sky {
struct DeepSkyObject;
}

// The object on the sensor, turned to the camera's angle: the picture, its
// figures, and the picture saved as SVG or PNG.
class FramingPage final : public PlannerPage {
    Q_OBJECT

public:
    explicit FramingPage(PlanningSession& session, QWidget* parent = nullptr);

    // The picture as an SVG document (the one velmora-calc --frame writes,
    // at the camera angle shown) and as a PNG image; false with the reason
    // in `why` when nothing is framed or the file cannot be written.
    bool saveSvg(const QString& path, QString& why) const;
    bool savePng(const QString& path, QString& why) const;

    void remember(QSettings& settings) const override;
    void recall(Recalled& recalled) override;

private:
    void write();
    void showAnswer();
    void showPicture();
    void showBody();
    void turnBy(double degrees);
    void setBestAngle();
    void exportAs(const QString& title, const QString& suffix, bool svg);

    FramingView* picture_;
    QDoubleSpinBox* angle_;
    QDoubleSpinBox* overlap_;
    QPushButton* bestAngle_;
    QLabel* figures_;
    QLabel* message_;
    // The target the angle was last set for: a new one starts at its best.
    const velmora::sky::DeepSkyObject* angledFor_ = nullptr;
};
