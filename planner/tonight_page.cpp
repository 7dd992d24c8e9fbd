#include "tonight_page.h"

#include "fields.h"
#include "italian_texts.h"
#include "planning_session.h"
#include "recalled.h"
#include "tonight_model.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <utility>

using velmora::planning::FigureId;

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

// The magnitude field's top stands for "any brightness".
constexpr double kAnyMagnitude = 30;

} // namespace

TonightPage::TonightPage(PlanningSession& session, QWidget* parent) : PlannerPage(session, parent)
{
    family_ = new QComboBox;
    family_->setObjectName(QStringLiteral("cboTipo"));
    for (const auto& [words, family] : kFamilies)
        family_->addItem(QString::fromUtf8(words), QString::fromUtf8(family));
    maxMagnitude_ = figureField(FigureId::MaxMagnitude, QStringLiteral("Solo gli oggetti almeno così luminosi"));
    maxMagnitude_->setValue(kAnyMagnitude);
    minFill_ = figureField(FigureId::MinFill, QStringLiteral("La parte del campo che l'oggetto deve occupare almeno"));
    minHours_ =
        figureField(FigureId::MinHours, QStringLiteral("Le ore utili stanotte che l'oggetto deve avere almeno"));
    search_ = new QPushButton(QStringLiteral("&Cerca"));
    search_->setObjectName(QStringLiteral("cmdCerca"));
    search_->setToolTip(QStringLiteral("Cerca nel catalogo gli oggetti per la strumentazione e il luogo"));
    // Two rows of filters, so that the page fits a narrow window.
    auto* filters = new QGridLayout;
    const std::pair<const char*, QWidget*> labelled[] = {
        {"Gene&re", family_}, {"Mag. massi&ma", maxMagnitude_}, {"Riem&pimento", minFill_}, {"Ore &utili", minHours_}};
    for (int i = 0; i < 4; ++i) {
        auto* label = fieldLabel(QString::fromUtf8(labelled[i].first), labelled[i].second);
        filters->addWidget(label, i / 2, (i % 2) * 2);
        filters->addWidget(labelled[i].second, i / 2, (i % 2) * 2 + 1);
    }
    filters->addWidget(search_, 0, 4, 2, 1);
    filters->setColumnStretch(5, 1);
    busy_ = new QProgressBar;
    busy_->setObjectName(QStringLiteral("prgRicerca"));
    busy_->setRange(0, 0); // it moves without a measure: the search says nothing until done
    busy_->setAccessibleName(QStringLiteral("Ricerca in corso"));
    busy_->hide();
    model_ = new TonightModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
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
    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("lblStanotte"));
    message_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(busy_);
    layout->addWidget(table_, 1);
    layout->addWidget(message_);

    connect(search_, &QPushButton::clicked, this, &TonightPage::search);
    connect(table_, &QTableView::activated, this, &TonightPage::choose);
    connect(&session_, &PlanningSession::tonightFound, this, &TonightPage::showFound);
    connect(&session_, &PlanningSession::timeZoneChanged, this, [this] { model_->setTimeZone(session_.timeZone()); });
    model_->setTimeZone(session_.timeZone());
}

void TonightPage::search()
{
    if (session_.isSearching())
        return;
    const double minFill = minFill_->value();
    const unsigned families = velmora::sky::findDeepSkyFamily(family_->currentData().toString().toStdString());
    const std::optional<double> maxMagnitude =
        maxMagnitude_->value() < kAnyMagnitude ? std::optional(maxMagnitude_->value()) : std::nullopt;
    const double minHours = minHours_->value();
    busy_->show();
    search_->setEnabled(false);
    message_->setText(QStringLiteral("Ricerca nel catalogo…"));
    session_.searchTonight([=](velmora::planning::Request& r) {
        r.suggestion.minFill = minFill;
        r.suggestion.families = families;
        r.suggestion.maxMagnitude = maxMagnitude;
        r.minHours = minHours;
    });
}

void TonightPage::showFound()
{
    busy_->hide();
    search_->setEnabled(true);
    model_->setSuggestions(session_.tonight());
    // The planning layer's own order first: the most usable hours, or the fewest needed.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    sorted_->sort(-1);
    table_->resizeColumnsToContents();
    const std::size_t found = session_.tonight().size();
    message_->setText(session_.tonightRefusal() ? italianRefusal(*session_.tonightRefusal())
            : found == 0                        ? QStringLiteral("Nessun oggetto con questi filtri.")
                         : QStringLiteral("%1 oggetti. Invio su una riga per inquadrarlo.").arg(found));
}

void TonightPage::choose(const QModelIndex& index)
{
    const velmora::planning::Suggestion& chosen = model_->suggestion(sorted_->mapToSource(index).row());
    session_.chooseObject(QString::fromStdString(chosen.framing.object->name));
    emit objectChosen();
}

void TonightPage::remember(QSettings& settings) const
{
    settings.setValue(QStringLiteral("stanotte/genere"), family_->currentIndex());
    settings.setValue(QStringLiteral("stanotte/magnitudine"), maxMagnitude_->value());
    settings.setValue(QStringLiteral("stanotte/riempimento"), minFill_->value());
    settings.setValue(QStringLiteral("stanotte/ore"), minHours_->value());
}

void TonightPage::recall(Recalled& recalled)
{
    family_->setCurrentIndex(int(recalled.number(QStringLiteral("stanotte/genere"), 0, kFamilies.size() - 1, 0)));
    recalled.into(maxMagnitude_, QStringLiteral("stanotte/magnitudine"));
    recalled.into(minFill_, QStringLiteral("stanotte/riempimento"));
    recalled.into(minHours_, QStringLiteral("stanotte/ore"));
}
