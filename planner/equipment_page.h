#pragma once

#include "planner_page.h"

#include <QStringList>

#include <array>
#include <optional>

class QAbstractSpinBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

// The rig: a telescope and a camera from the catalogue (the user's files
// too) or by hand, a barlow or reducer, the binning.
class EquipmentPage final : public PlannerPage {
    Q_OBJECT

public:
    explicit EquipmentPage(PlanningSession& session, QWidget* parent = nullptr);

    // The main window's figures, those it has: aperture, focal length,
    // pixel size, width, height.
    using StartingFigures = std::array<std::optional<double>, 5>;
    void start(const StartingFigures& figures);

    void remember(QSettings& settings) const override;
    void recall(Recalled& recalled) override;

private:
    std::array<QAbstractSpinBox*, 7> rigBoxes() const;
    void write();
    void showAnswer();
    void fillLists();
    void chooseTelescope(int index);
    void chooseCamera(int index);
    void chooseLens(int index);
    void addFile();
    void forgetFiles();
    void load();
    void showLoaded();

    QComboBox* telescope_;
    QComboBox* camera_;
    QComboBox* lens_;
    QDoubleSpinBox* aperture_;
    QDoubleSpinBox* focalLength_;
    QDoubleSpinBox* pixelSize_;
    QSpinBox* width_;
    QSpinBox* height_;
    QDoubleSpinBox* barlow_;
    QSpinBox* binning_;
    QLabel* filesName_;
    QLabel* message_;
    QStringList files_; // the user's, in the order they apply
    QString filesNews_; // what reading them said, until the next answer is shown
    // Remembered names, chosen once the lists hold the user's files; with
    // `figuresFromNames_` (a remembered figure set aside) the names' figures
    // fill the rig.
    QString wantedTelescope_, wantedCamera_;
    bool figuresFromNames_ = false;
};
