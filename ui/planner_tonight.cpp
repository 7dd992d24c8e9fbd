// The planner's list of tonight's targets: filters, the search away from
// the window's thread, the sortable table, and a row chosen to frame.
#include "planner_fields.h"
#include "planner_texts.h"
#include "planner_window.h"
#include "planning/refusal.h"
#include "tonight_model.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <array>
#include <utility>

namespace {

// The kinds the list filters by, in Italian, with the catalogue's words.
constexpr std::array<std::pair<const char*, const char*>, 7> kFamilies {{
    {"tutti", ""},
    {"galassie", "galaxy"},
    {"nebulose", "nebula"},
    {"ammassi", "cluster"},
    {"nebulose planetarie", "planetary"},
    {"stelle", "star"},
    {"altri", "other"},
}};

} // namespace

QWidget* PlannerWindow::buildTonight()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* filters = new QHBoxLayout;
    family_ = new QComboBox;
    family_->setObjectName(QStringLiteral("cboTipo"));
    for (const auto& [words, family] : kFamilies)
        family_->addItem(QString::fromUtf8(words), QString::fromUtf8(family));
    maxMagnitude_ =
        decimalField({"spnMagnitudine", -2, 30, 30, 1, {}, QStringLiteral("Solo gli oggetti almeno così luminosi")});
    minFill_ = decimalField({"spnRiempimento", 0.01, 1, 0.3, 2, {},
        QStringLiteral("La parte del campo che l'oggetto deve occupare almeno")});
    minHours_ = decimalField(
        {"spnOre", 0, 24, 0, 1, {}, QStringLiteral("Le ore utili stanotte che l'oggetto deve avere almeno")});
    search_ = new QPushButton(QStringLiteral("A&vvia ricerca"));
    search_->setObjectName(QStringLiteral("cmdCerca"));
    search_->setToolTip(QStringLiteral("Cerca nel catalogo gli oggetti per la strumentazione e il luogo"));
    const std::pair<const char*, QWidget*> labelled[] = {
        {"&Genere", family_}, {"Mag. massi&ma", maxMagnitude_}, {"&Riempimento", minFill_}, {"Ore &utili", minHours_}};
    for (const auto& [words, field] : labelled) {
        auto* label = new QLabel(QString::fromUtf8(words));
        label->setBuddy(field);
        filters->addWidget(label);
        filters->addWidget(field);
    }
    filters->addWidget(search_);
    filters->addStretch();
    layout->addLayout(filters);
    busy_ = new QProgressBar;
    busy_->setObjectName(QStringLiteral("prgRicerca"));
    busy_->setRange(0, 0); // it moves without a measure: the search says nothing until done
    busy_->setAccessibleName(QStringLiteral("Ricerca in corso"));
    busy_->hide();
    layout->addWidget(busy_);
    tonight_ = new TonightModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(tonight_);
    sorted_->setSortRole(Qt::UserRole);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("tblStanotte"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAccessibleName(QStringLiteral("Oggetti di stanotte"));
    table_->setToolTip(QStringLiteral("Invio o doppio clic su una riga per inquadrare l'oggetto"));
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);
    tonightMessage_ = new QLabel;
    tonightMessage_->setObjectName(QStringLiteral("lblStanotte"));
    tonightMessage_->setWordWrap(true);
    layout->addWidget(tonightMessage_);

    connect(search_, &QPushButton::clicked, this, &PlannerWindow::searchTonight);
    connect(&tonightWatcher_, &QFutureWatcher<TonightAnswer>::finished, this, &PlannerWindow::showTonight);
    connect(table_, &QTableView::activated, this, &PlannerWindow::chooseSuggestion);
    return page;
}

bool PlannerWindow::isSearching() const
{
    return searching_;
}

void PlannerWindow::searchTonight()
{
    if (searching_)
        return;
    searching_ = true;
    velmora::planning::Request asked = request();
    asked.target.reset();
    asked.suggest = true;
    asked.suggestion.minFill = minFill_->value();
    asked.suggestion.families = velmora::sky::findDeepSkyFamily(family_->currentData().toString().toStdString());
    if (maxMagnitude_->value() < maxMagnitude_->maximum())
        asked.suggestion.maxMagnitude = maxMagnitude_->value();
    asked.minHours = minHours_->value();
    busy_->show();
    search_->setEnabled(false);
    tonightMessage_->setText(QStringLiteral("Ricerca nel catalogo…"));
    tonightWatcher_.setFuture(QtConcurrent::run([this, asked] {
        try {
            return TonightAnswer {velmora::planning::suggestTargets(asked, catalogue_, deepSky_), {}};
        } catch (const velmora::planning::Refusal& refusal) {
            return TonightAnswer {{}, italianRefusal(refusal)};
        }
    }));
}

void PlannerWindow::showTonight()
{
    TonightAnswer answer = tonightWatcher_.result();
    searching_ = false;
    busy_->hide();
    search_->setEnabled(true);
    const std::size_t found = answer.suggestions.size();
    tonight_->setSuggestions(std::move(answer.suggestions));
    // The planning layer's own order first: the most usable hours, or the fewest needed.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    sorted_->sort(-1);
    table_->resizeColumnsToContents();
    tonightMessage_->setText(!answer.refusal.isEmpty() ? answer.refusal
            : found == 0                               ? QStringLiteral("Nessun oggetto con questi filtri.")
                         : QStringLiteral("%1 oggetti. Invio su una riga per inquadrarlo.").arg(found));
}

void PlannerWindow::chooseSuggestion(const QModelIndex& index)
{
    const velmora::planning::Suggestion& chosen = tonight_->suggestion(sorted_->mapToSource(index).row());
    object_->setText(QString::fromStdString(chosen.framing.object->name));
    recompute();
    tabs_->setCurrentIndex(0);
}
