#include "tonight_model.h"

#include "planner_texts.h"

#include <array>
#include <optional>

namespace {

struct ColumnWords {
    const char* title;
    const char* tip;
};

constexpr std::array<ColumnWords, TonightModel::Columns> kColumns {{
    {"Oggetto", "Il nome che si usa di più"},
    {"Tipo", "Il tipo secondo il catalogo"},
    {"Mag.", "Magnitudine visuale, altrimenti blu"},
    {"Dimensioni", "Assi maggiore e minore, in primi d'arco"},
    {"Riempimento", "La parte del campo che l'oggetto occupa all'angolo migliore"},
    {"Angolo", "L'angolo migliore della camera, da nord verso est"},
    {"Ore utili", "Ore di buio con l'oggetto sopra l'altezza minima e l'orizzonte, lontano dalla Luna"},
    {"Dalla Luna", "Distanza dalla Luna al momento scelto"},
    {"Ore necessarie", "Ore di pose per arrivare al rapporto segnale/rumore chiesto"},
}};

// The number a cell sorts by; none leaves it empty and last.
std::optional<double> numberOf(const velmora::planning::Suggestion& s, int column)
{
    const velmora::sky::TargetFraming& f = s.framing;
    switch (column) {
    case TonightModel::Magnitude:
        return f.object->magnitude;
    case TonightModel::Size:
        return f.shape.outline.majorAxis;
    case TonightModel::Fill:
        return f.fill();
    case TonightModel::BestAngle:
        return f.margin.bestAngle;
    case TonightModel::UsableHours:
        return s.tonight ? std::optional(s.tonight->hours.usable.hours) : std::nullopt;
    case TonightModel::MoonSeparation:
        return s.tonight ? std::optional(s.tonight->moonSeparation) : std::nullopt;
    case TonightModel::HoursNeeded:
        return s.exposure ? s.exposure->hours : std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

void TonightModel::setSuggestions(std::vector<velmora::planning::Suggestion> suggestions)
{
    beginResetModel();
    suggestions_ = std::move(suggestions);
    endResetModel();
}

int TonightModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(suggestions_.size());
}

int TonightModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant TonightModel::data(const QModelIndex& index, int role) const
{
    const velmora::planning::Suggestion& s = suggestion(index.row());
    const int column = index.column();
    const std::optional<double> number = numberOf(s, column);
    if (role == Qt::UserRole) // the sort key
        return column == Name ? QVariant(QString::fromStdString(s.framing.object->displayName()))
            : column == Type  ? QVariant(italianType(s.framing.object->type->code))
            : number          ? QVariant(*number)
                              : QVariant(1e300);
    if (role == Qt::TextAlignmentRole)
        return column <= Type ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                              : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case Name:
        return QString::fromStdString(s.framing.object->displayName());
    case Type:
        return italianType(s.framing.object->type->code);
    case Size: {
        const velmora::sky::Outline& o = s.framing.shape.outline;
        return QStringLiteral("%1′ × %2′").arg(italianNumber(o.majorAxis, 3), italianNumber(o.minorAxis, 3));
    }
    case BestAngle:
        return number ? QStringLiteral("%1°").arg(italianNumber(*number, 3)) : QString();
    case MoonSeparation:
        return number ? QStringLiteral("%1°").arg(italianNumber(*number, 3)) : QString();
    default:
        return number ? italianNumber(*number, 3) : QString();
    }
}

QVariant TonightModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= Columns)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(kColumns[std::size_t(section)].title);
    if (role == Qt::ToolTipRole)
        return QString::fromUtf8(kColumns[std::size_t(section)].tip);
    return {};
}
