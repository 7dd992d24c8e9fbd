#include "planning_session.h"

#include "italian_texts.h"
#include "planning/catalogue_merge.h"

#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

using velmora::planning::Refusal;
using velmora::planning::Request;

PlanningSession::PlanningSession(std::unique_ptr<PlanningEngine> engine, QObject* parent) :
      QObject(parent), engine_(std::move(engine)), zone_(QTimeZone::systemTimeZone())
{
    connect(&tonightWatcher_, &QFutureWatcher<TonightAnswer>::finished, this, &PlanningSession::showTonight);
    connect(&equipmentWatcher_, &QFutureWatcher<EquipmentAnswer>::finished, this, &PlanningSession::showEquipment);
}

PlanningSession::~PlanningSession()
{
    tonightWatcher_.waitForFinished();
    equipmentWatcher_.waitForFinished();
}

void PlanningSession::update(const std::function<void(Request&)>& change)
{
    change(request_);
    if (pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, this, &PlanningSession::settle);
}

void PlanningSession::settle()
{
    if (!pending_)
        return;
    pending_ = false;
    answer_ = engine_->answer(request_);
    ++answersGiven_;
    emit answered();
}

void PlanningSession::setTimeZone(const QTimeZone& zone)
{
    if (zone == zone_ || !zone.isValid())
        return;
    zone_ = zone;
    emit timeZoneChanged();
}

void PlanningSession::chooseObject(const QString& name)
{
    emit objectChosen(name);
}

void PlanningSession::searchTonight(const std::function<void(Request&)>& filters)
{
    if (isSearching())
        return;
    settle();
    Request asked = request_;
    asked.target.reset();
    asked.frame = nullptr;
    asked.suggest = true;
    filters(asked);
    searching_ = true;
    tonightWatcher_.setFuture(QtConcurrent::run([this, asked] {
        try {
            return TonightAnswer {engine_->suggest(asked), std::nullopt};
        } catch (const Refusal& refusal) {
            return TonightAnswer {{}, refusal};
        }
    }));
}

void PlanningSession::showTonight()
{
    TonightAnswer found = tonightWatcher_.result();
    searching_ = false;
    tonight_ = std::move(found.suggestions);
    tonightRefusal_ = std::move(found.refusal);
    emit tonightFound();
}

void PlanningSession::loadEquipment(const QStringList& paths)
{
    equipmentWatcher_.waitForFinished();
    loading_ = true;
    std::vector<std::string> files;
    for (const QString& path : paths)
        files.push_back(path.toStdString());
    equipmentWatcher_.setFuture(QtConcurrent::run([files] {
        EquipmentAnswer loaded;
        const auto warn = [&loaded](
                              const velmora::planning::MergeNote& note) { loaded.warnings << italianMergeNote(note); };
        try {
            loaded.catalogue = velmora::planning::mergeCatalogues(files, warn);
        } catch (const Refusal& refusal) {
            loaded.refusal = refusal;
            loaded.catalogue = velmora::planning::mergeCatalogues({}, warn);
        }
        return loaded;
    }));
}

void PlanningSession::showEquipment()
{
    EquipmentAnswer loaded = equipmentWatcher_.result();
    tonightWatcher_.waitForFinished(); // a search reads the catalogue being replaced
    loading_ = false;
    engine_->setEquipment(std::move(loaded.catalogue));
    equipmentWarnings_ = std::move(loaded.warnings);
    equipmentRefusal_ = std::move(loaded.refusal);
    emit equipmentLoaded();
    update([](Request&) {});
}
