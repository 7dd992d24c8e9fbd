#pragma once

#include "formats/camera_noise_file.h"
#include "planner_page.h"

#include <optional>

class QDoubleSpinBox;
class QGroupBox;
class QLabel;

// The exposure: the sky, the camera's noise and the filter, and what they
// give the object framed.
class ExposurePage final : public PlannerPage {
    Q_OBJECT

public:
    explicit ExposurePage(PlanningSession& session, QWidget* parent = nullptr);

    void remember(QSettings& settings) const override;
    void recall(Recalled& recalled) override;

private:
    void write();
    void chooseCameraFile();
    void showAnswer();

    QGroupBox* group_;
    QDoubleSpinBox* sqm_;
    QDoubleSpinBox* readNoise_;
    QLabel* cameraFileName_;
    std::optional<velmora::formats::CameraNoise> cameraFile_;
    QDoubleSpinBox* gain_;
    QDoubleSpinBox* quantumEfficiency_;
    QDoubleSpinBox* bandShortest_;
    QDoubleSpinBox* bandLongest_;
    QDoubleSpinBox* snr_;
    QLabel* figures_;
    QLabel* message_;
};
