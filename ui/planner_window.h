#pragma once

#include "optics/equipment_catalogue.h"
#include "planning/computation.h"
#include "planning/suggestions.h"
#include "sky/deep_sky_catalogue.h"

#include <QFutureWatcher>
#include <QMainWindow>

#include <array>
#include <optional>

class FramingView;
class TonightModel;
class QProgressBar;
class QSortFilterProxyModel;
class QTableView;
class QTabWidget;
class NightChartView;
class QAbstractSpinBox;
class QCheckBox;
class QGroupBox;
class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The planner: the rig, the object and the picture of the object on the
// sensor, which the camera turns over. It reads its fields into a request,
// asks the planning layer, and shows what comes back; the wording is its
// own, the figures are the layer's.
class PlannerWindow : public QMainWindow {
    Q_OBJECT

public:
    // The picture as an SVG document (the one velmora-calc --frame writes,
    // at the camera angle shown) and as a PNG image; false with the reason
    // in `why` when there is nothing framed or the file cannot be written.
    bool saveSvg(const QString& path, QString& why) const;
    bool savePng(const QString& path, QString& why) const;

    // The five figures of the main window's fields, those that are numbers:
    // aperture, focal length, pixel size, width, height.
    using StartingFigures = std::array<std::optional<double>, 5>;
    explicit PlannerWindow(const StartingFigures& start = {}, QWidget* parent = nullptr);
    ~PlannerWindow() override;

    // What the picture shows now; none until a rig and an object frame.
    const std::optional<velmora::planning::Computation>& computation() const { return computation_; }
    // Whether tonight's list, or the user's equipment, is being worked out.
    bool isSearching() const;
    bool isLoadingEquipment() const { return loadingEquipment_; }

private:
    QWidget* buildRig();
    QWidget* buildObject();
    QWidget* buildFraming();
    QWidget* buildNight();
    void chooseHorizon();
    void showNight();
    QWidget* buildTonight();
    QWidget* buildExposure();
    void chooseCameraFile();
    std::optional<velmora::planning::ExposureRequest> exposureRequest() const;
    void showExposure();
    void searchTonight();
    void showTonight();
    void chooseSuggestion(const QModelIndex& index);
    // The rig's figures, remembered between runs.
    std::array<QAbstractSpinBox*, 7> rigBoxes() const;
    void remember() const;
    void recall();
    void readHorizon();
    void chooseTelescope(int index);
    void chooseCamera(int index);
    void chooseLens(int index);
    void addEquipmentFile();
    void forgetEquipmentFiles();
    void loadEquipment();
    void showEquipment();
    void fillEquipmentLists();
    velmora::planning::Request request() const;
    void recompute();
    void showFraming();
    void showBody();
    void turnBy(double degrees);
    void setBestAngle();
    void exportSvg();
    void exportPng();

    velmora::optics::EquipmentCatalogue catalogue_;
    velmora::sky::DeepSkyCatalogue deepSky_;
    std::optional<velmora::planning::Computation> computation_;

    QComboBox* telescope_;
    QComboBox* camera_;
    QComboBox* lens_;
    QLabel* equipmentFilesName_;
    QStringList equipmentFiles_; // the user's, in the order they apply, remembered
    // Remembered, chosen once the lists are filled; with `figuresFromNames_`
    // (a remembered figure set aside) the names' figures fill the rig.
    QString wantedTelescope_, wantedCamera_;
    bool figuresFromNames_ = false;
    // The catalogue with the user's files, read away from the window's thread.
    struct EquipmentAnswer {
        velmora::optics::EquipmentCatalogue catalogue;
        QStringList warnings;
        QString refusal;
    };
    QFutureWatcher<EquipmentAnswer> equipmentWatcher_;
    bool loadingEquipment_ = false; // until its answer is shown
    QDoubleSpinBox* aperture_;
    QDoubleSpinBox* focalLength_;
    QDoubleSpinBox* pixelSize_;
    QSpinBox* width_;
    QSpinBox* height_;
    QDoubleSpinBox* barlow_;
    QSpinBox* binning_;
    QLabel* rigMessage_;
    QLineEdit* object_;
    QLabel* objectFacts_;
    QLabel* objectMessage_;
    FramingView* picture_;
    QDoubleSpinBox* angle_;
    QDoubleSpinBox* overlap_;
    QPushButton* bestAngle_;
    QLabel* framingFigures_;
    QLabel* framingMessage_;

    QDoubleSpinBox* latitude_;
    QDoubleSpinBox* longitude_;
    QDoubleSpinBox* elevation_;
    QDateTimeEdit* moment_;
    QDoubleSpinBox* minAltitude_;
    QCheckBox* altAz_;
    QPushButton* horizonButton_;
    QLabel* horizonName_;
    QString horizonPath_;
    velmora::sky::HorizonProfile horizon_;
    NightChartView* chart_;
    QLabel* nightFigures_;
    QLabel* nightMessage_;

    // Tonight's list, worked out away from the window's thread.
    struct TonightAnswer {
        std::vector<velmora::planning::Suggestion> suggestions;
        QString refusal;
    };
    QTabWidget* tabs_;
    QComboBox* family_;
    QDoubleSpinBox* maxMagnitude_;
    QDoubleSpinBox* minFill_;
    QDoubleSpinBox* minHours_;
    QPushButton* search_;
    QProgressBar* busy_;
    QTableView* table_;
    TonightModel* tonight_;
    QSortFilterProxyModel* sorted_;
    QLabel* tonightMessage_;
    QFutureWatcher<TonightAnswer> tonightWatcher_;
    bool searching_ = false; // until its answer is shown

    QGroupBox* exposure_;
    QDoubleSpinBox* sqm_;
    QDoubleSpinBox* readNoise_;
    QPushButton* cameraFileButton_;
    QLabel* cameraFileName_;
    std::optional<velmora::formats::CameraNoise> cameraFile_;
    QDoubleSpinBox* gain_;
    QDoubleSpinBox* quantumEfficiency_;
    QDoubleSpinBox* bandShortest_;
    QDoubleSpinBox* bandLongest_;
    QDoubleSpinBox* snr_;
    QLabel* exposureFigures_;
    QLabel* exposureMessage_;
};
