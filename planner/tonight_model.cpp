#include "tonight_model.h"

#include "italian_texts.h"
#include "local_time.h"

#include <array>
#include <optional>

namespace {

struct ColumnWords {
    const char* title;
    const char* tip;
};

constexpr std::array<ColumnWords, TonightModel::Columns> kColumns {{
    {"Oggetto", "Il numero di Messier e il nome comune accanto a quello di catalogo"},
    {"Tipo", "Il tipo secondo il catalogo"},
    {"Mag.", "Magnitudine visuale, altrimenti blu"},
    {"Riempimento", "La parte del campo che l'oggetto occupa all'angolo migliore"},
    {"Ore utili", "Ore di buio con l'oggetto sopra l'altezza minima e l'orizzonte, lontano dalla Luna"},
    {"Dimensioni", "Assi maggiore e minore, in primi d'arco"},
    {"Angolo", "L'angolo migliore della camera, da nord verso est"},
    {"Transito", "Quando culmina, all'ora del luogo"},
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
    case TonightModel::Transit:
        return s.tonight ? std::optional(s.tonight->transit) : std::nullopt;
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

void TonightModel::setTimeZone(const QTimeZone& zone)
{
    zone_ = zone;
    if (!suggestions_.empty())
        emit dataChanged(index(0, Transit), index(rowCount() - 1, Transit));
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
        return QStringLiteral("%1 × %2").arg(italianArcminutes(o.majorAxis), italianArcminutes(o.minorAxis));
    }
    case BestAngle:
    case MoonSeparation:
        return number ? italianDegrees(*number) : QString();
    case Transit:
        return number ? clockText(*number, zone_, QStringLiteral("HH:mm")) : QString();
    case UsableHours:
    case HoursNeeded:
        return number ? italianHours(*number) : QString();
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
