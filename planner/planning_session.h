#pragma once

#include "planning_engine.h"

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>
#include <QTimeZone>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The planner's one request and the answer to it. The pages write their
// fields into the request; a burst of changes is answered once, when the
// window's thread is next idle, and every page shows the same answer.
// Tonight's list and the user's equipment files are worked out away from
// the window's thread, one job of each kind at a time.
class PlanningSession : public QObject {
    Q_OBJECT

public:
    explicit PlanningSession(std::unique_ptr<PlanningEngine> engine, QObject* parent = nullptr);
    ~PlanningSession() override; // waits for the work under way: it reads the engine

    const velmora::planning::Request& request() const { return request_; }
    void update(const std::function<void(velmora::planning::Request&)>& change);
    // Answers now what is pending, as before a picture is saved.
    void settle();
    const PlanningAnswer& answer() const { return answer_; }
    int answersGiven() const { return answersGiven_; }

    // The zone the site keeps its clocks in; every time is shown on it.
    const QTimeZone& timeZone() const { return zone_; }
    void setTimeZone(const QTimeZone& zone);

    // Another object to frame, as a row of tonight's list names it.
    void chooseObject(const QString& name);

    // Tonight's list for the request with `filters` applied.
    void searchTonight(const std::function<void(velmora::planning::Request&)>& filters);
    bool isSearching() const { return searching_; }
    const std::vector<velmora::planning::Suggestion>& tonight() const { return tonight_; }
    const std::optional<velmora::planning::Refusal>& tonightRefusal() const { return tonightRefusal_; }

    // The built-in equipment with the user's files, in the order they
    // apply; a file that cannot be read leaves the built-in alone.
    void loadEquipment(const QStringList& paths);
    bool isLoadingEquipment() const { return loading_; }
    const velmora::optics::EquipmentCatalogue& equipment() const { return engine_->equipment(); }
    const QStringList& equipmentWarnings() const { return equipmentWarnings_; }
    const std::optional<velmora::planning::Refusal>& equipmentRefusal() const { return equipmentRefusal_; }

    std::vector<std::string> targetNames() const { return engine_->targetNames(); }

signals:
    void answered();
    void timeZoneChanged();
    void objectChosen(const QString& name);
    void tonightFound();
    void equipmentLoaded();

private:
    struct TonightAnswer {
        std::vector<velmora::planning::Suggestion> suggestions;
        std::optional<velmora::planning::Refusal> refusal;
    };
    struct EquipmentAnswer {
        velmora::optics::EquipmentCatalogue catalogue;
        QStringList warnings;
        std::optional<velmora::planning::Refusal> refusal;
    };
    void showTonight();
    void showEquipment();

    std::unique_ptr<PlanningEngine> engine_;
    velmora::planning::Request request_;
    PlanningAnswer answer_;
    bool pending_ = false;
    int answersGiven_ = 0;
    QTimeZone zone_;

    QFutureWatcher<TonightAnswer> tonightWatcher_;
    bool searching_ = false; // from the search's start until its answer is shown
    std::vector<velmora::planning::Suggestion> tonight_;
    std::optional<velmora::planning::Refusal> tonightRefusal_;

    QFutureWatcher<EquipmentAnswer> equipmentWatcher_;
    bool loading_ = false; // from the files' reading until their catalogue is in place
    QStringList equipmentWarnings_;
    std::optional<velmora::planning::Refusal> equipmentRefusal_;
};
