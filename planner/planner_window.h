#pragma once

#include "equipment_page.h"
#include "planning_engine.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class ExposurePage;
class FramingPage;
class NightPage;
class ObjectPage;
class PlanningSession;
class QTabWidget;
class TonightPage;

// The planner: the object to frame above its pages (the picture, the rig,
// the night, tonight's list, the exposure), all over one planning session.
// The window lays the pages out and keeps them between runs.
class PlannerWindow : public QMainWindow {
    Q_OBJECT

public:
    using StartingFigures = EquipmentPage::StartingFigures;
    // The main window's figures start the rig; `engine` answers, the
    // catalogues' own unless given.
    explicit PlannerWindow(
        const StartingFigures& start = {}, std::unique_ptr<PlanningEngine> engine = nullptr, QWidget* parent = nullptr);
    ~PlannerWindow() override;

    PlanningSession& session() { return *session_; }
    // What the pages show now, once the changes made have been answered.
    const std::optional<velmora::planning::Computation>& computation() const;
    bool isSearching() const;
    bool isLoadingEquipment() const;
    bool saveSvg(const QString& path, QString& why) const;
    bool savePng(const QString& path, QString& why) const;

private:
    void remember() const;
    void recall();

    PlanningSession* session_;
    ObjectPage* object_;
    EquipmentPage* equipment_;
    FramingPage* framing_;
    NightPage* night_;
    TonightPage* tonight_;
    ExposurePage* exposure_;
    QTabWidget* tabs_;
};
