#include "planner_window.h"

#include "exposure_page.h"
#include "framing_page.h"
#include "night_page.h"
#include "object_page.h"
#include "planning_session.h"
#include "recalled.h"
#include "tonight_page.h"

#include <QKeySequence>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kGroup = QStringLiteral("Pianificazione");

} // namespace

PlannerWindow::PlannerWindow(const StartingFigures& start, std::unique_ptr<PlanningEngine> engine, QWidget* parent) :
      QMainWindow(parent),
      session_(new PlanningSession(engine ? std::move(engine) : std::make_unique<CatalogueEngine>(), this))
{
    setObjectName(QStringLiteral("frmPianificazione"));
    setWindowTitle(QStringLiteral("Pianificazione"));
    object_ = new ObjectPage(*session_);
    equipment_ = new EquipmentPage(*session_);
    framing_ = new FramingPage(*session_);
    night_ = new NightPage(*session_);
    tonight_ = new TonightPage(*session_);
    exposure_ = new ExposurePage(*session_);
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tabSezioni"));
    // The pages' own letters go to their fields; the pages are reached by
    // Alt with their number, or Ctrl+Tab.
    const std::pair<QWidget*, const char*> pages[] = {{framing_, "1 Inquadratura"}, {equipment_, "2 Strumentazione"},
        {night_, "3 Notte"}, {tonight_, "4 Stanotte"}, {exposure_, "5 Esposizione"}};
    for (const auto& [page, title] : pages) {
        const int index = tabs_->addTab(page, QString::fromUtf8(title));
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + index)), this);
        connect(shortcut, &QShortcut::activated, tabs_, [this, index] { tabs_->setCurrentIndex(index); });
        tabs_->setTabToolTip(index, QStringLiteral("Alt+%1").arg(index + 1));
    }
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(object_);
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);
    connect(tonight_, &TonightPage::objectChosen, this, [this] { tabs_->setCurrentWidget(framing_); });

    recall();
    equipment_->start(start);
    resize(1000, 680);
}

PlannerWindow::~PlannerWindow()
{
    remember();
}

const std::optional<velmora::planning::Computation>& PlannerWindow::computation() const
{
    session_->settle();
    return session_->answer().computation;
}

bool PlannerWindow::isSearching() const
{
    return session_->isSearching();
}

bool PlannerWindow::isLoadingEquipment() const
{
    return session_->isLoadingEquipment();
}

bool PlannerWindow::saveSvg(const QString& path, QString& why) const
{
    return framing_->saveSvg(path, why);
}

bool PlannerWindow::savePng(const QString& path, QString& why) const
{
    return framing_->savePng(path, why);
}

void PlannerWindow::remember() const
{
    QSettings settings;
    settings.beginGroup(kGroup);
    for (const PlannerPage* page :
        std::initializer_list<const PlannerPage*> {object_, equipment_, framing_, night_, tonight_, exposure_})
        page->remember(settings);
}

void PlannerWindow::recall()
{
    QSettings settings;
    settings.beginGroup(kGroup);
    Recalled recalled(settings);
    // The rig first: a figure set aside there lets the remembered names fill it.
    for (PlannerPage* page :
        std::initializer_list<PlannerPage*> {equipment_, night_, framing_, tonight_, exposure_, object_})
        page->recall(recalled);
    if (recalled.anySetAside())
        statusBar()->showMessage(recalled.said());
}
