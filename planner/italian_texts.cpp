#include "italian_texts.h"

#include <QFileInfo>
#include <QLocale>

#include <array>
#include <cmath>
#include <utility>

namespace {

using velmora::planning::Subject;

// clang-format off
constexpr std::array<std::pair<std::string_view, const char*>, 21> kTypes {{
    {"*",      "stella"},
    {"**",     "stella doppia"},
    {"*Ass",   "associazione stellare"},
    {"OCl",    "ammasso aperto"},
    {"GCl",    "ammasso globulare"},
    {"Cl+N",   "ammasso con nebulosa"},
    {"G",      "galassia"},
    {"GPair",  "coppia di galassie"},
    {"GTrpl",  "terzetto di galassie"},
    {"GGroup", "gruppo di galassie"},
    {"PN",     "nebulosa planetaria"},
    {"HII",    "regione HII"},
    {"DrkN",   "nebulosa oscura"},
    {"EmN",    "nebulosa a emissione"},
    {"Neb",    "nebulosa"},
    {"RfN",    "nebulosa a riflessione"},
    {"SNR",    "resto di supernova"},
    {"Nova",   "nova"},
    {"NonEx",  "oggetto inesistente"},
    {"Other",  "altro oggetto"},
    {"Dup",    "voce doppia"},
}};

// What each subject is called in the window, and whether it is a figure a
// field gives.
constexpr std::array<std::pair<Subject, const char*>, 18> kSubjects {{
    {Subject::Aperture,    "l'apertura"},
    {Subject::FocalLength, "la focale"},
    {Subject::PixelSize,   "la dimensione del pixel"},
    {Subject::Width,       "la larghezza del sensore"},
    {Subject::Height,      "l'altezza del sensore"},
    {Subject::Telescope,   "il telescopio"},
    {Subject::Camera,      "la camera"},
    {Subject::Lens,        "la lente"},
    {Subject::Catalogue,   "il file della strumentazione"},
    {Subject::Fits,        "il file FITS"},
    {Subject::Binning,     "il binning"},
    {Subject::Overlap,     "la sovrapposizione"},
    {Subject::Target,      "l'oggetto"},
    {Subject::Suggest,     "i suggerimenti"},
    {Subject::Frame,       "il corpo"},
    {Subject::Obstruction, "l'ostruzione"},
    {Subject::Gain,        "il guadagno"},
    {Subject::RankBy,      "l'ordinamento"},
}};

constexpr std::array<std::pair<const char*, const char*>, 10> kBodyNames {{
    {"Sole", "sun"}, {"Luna", "moon"}, {"Mercurio", "mercury"}, {"Venere", "venus"}, {"Marte", "mars"},
    {"Giove", "jupiter"}, {"Saturno", "saturn"}, {"Urano", "uranus"}, {"Nettuno", "neptune"}, {"Plutone", "pluto"},
}};
// clang-format on

} // namespace

const velmora::sky::BodyFacts* italianBody(const QString& name)
{
    const QString wanted = name.trimmed();
    for (const auto& [italian, english] : kBodyNames) {
        if (wanted.compare(QString::fromUtf8(italian), Qt::CaseInsensitive) == 0)
            return velmora::sky::findBody(english);
    }
    return velmora::sky::findBody(wanted.toLower().toStdString());
}

QStringList italianBodyNames()
{
    QStringList names;
    for (const auto& [italian, english] : kBodyNames)
        names << QString::fromUtf8(italian);
    return names;
}

QString italianBodyName(const velmora::sky::BodyFacts& body)
{
    for (const auto& [italian, english] : kBodyNames) {
        if (body.name == english)
            return QString::fromUtf8(italian);
    }
    return QString::fromUtf8(body.name.data(), qsizetype(body.name.size()));
}

QString italianType(std::string_view code)
{
    for (const auto& [each, words] : kTypes) {
        if (each == code)
            return QString::fromUtf8(words);
    }
    return QString::fromUtf8(code.data(), qsizetype(code.size()));
}

QString italianFileProblem(velmora::formats::InputProblem problem, const QString& path, const QString& detail)
{
    using velmora::formats::InputProblem;
    const QString name = QFileInfo(path).fileName();
    switch (problem) {
    case InputProblem::Missing:
        return QStringLiteral("%1: il file non c'è").arg(name);
    case InputProblem::NotReadable:
        return QStringLiteral("%1: il file non si può leggere").arg(name);
    case InputProblem::NotAFile:
        return QStringLiteral("%1: non è un file (una cartella o un dispositivo)").arg(name);
    case InputProblem::TooLarge:
        return QStringLiteral("%1: il file è troppo grande").arg(name);
    case InputProblem::Refused:
        break;
    }
    return QStringLiteral("%1: il contenuto non si accetta (%2)").arg(name, detail);
}

QString italianFileProblem(const velmora::formats::InputError& error)
{
    return italianFileProblem(
        error.problem(), QString::fromStdString(error.path()), QString::fromStdString(error.what()));
}

namespace {

// "da 0 a 100", "sopra 0 e fino a 1", "da 0 a meno di 50", "sopra 0".
QString italianSpan(const velmora::optics::PlausibleRange& bounds)
{
    QString span = (bounds.lowestExcluded ? QStringLiteral("sopra %1") : QStringLiteral("da %1"))
                       .arg(italianNumber(bounds.lowest, 6));
    if (std::isinf(bounds.highest))
        return span;
    const QString upTo = bounds.highestExcluded ? QStringLiteral(" a meno di %1")
        : bounds.lowestExcluded                 ? QStringLiteral(" e fino a %1")
                                                : QStringLiteral(" a %1");
    return span + upTo.arg(italianNumber(bounds.highest, 6));
}

// "Nessun telescopio", "Nessuna camera": none of the things looked up by name.
QString noneOf(Subject subject)
{
    switch (subject) {
    case Subject::Telescope:
        return QStringLiteral("Nessun telescopio");
    case Subject::Camera:
        return QStringLiteral("Nessuna camera");
    case Subject::Lens:
        return QStringLiteral("Nessuna lente");
    default:
        return QStringLiteral("Nessun oggetto del catalogo");
    }
}

} // namespace

QString italianRefusal(const velmora::planning::Refusal& refusal)
{
    using velmora::planning::Reason;
    QString subject;
    for (const auto& [each, words] : kSubjects) {
        if (each == refusal.subject())
            subject = QString::fromUtf8(words);
    }
    const std::vector<double>& f = refusal.figures();
    const QString name = QString::fromStdString(refusal.name());
    const QString gains = refusal.bounds()
        ? QStringLiteral("il file della camera dà il rumore ai guadagni %1").arg(italianSpan(*refusal.bounds()))
        : QString();
    switch (refusal.reason()) {
    case Reason::Missing:
        return refusal.bounds() ? QStringLiteral("Manca %1 (%2).").arg(subject, gains)
                                : QStringLiteral("Manca %1.").arg(subject);
    case Reason::OutOfBounds:
        if (refusal.subject() == Subject::Gain)
            return QStringLiteral("Il guadagno %1 è fuori dalla tabella: %2.").arg(italianNumber(f[0]), gains);
        return QStringLiteral("%1 non può essere %2: va %3.")
            .arg(subject.left(1).toUpper() + subject.mid(1), italianNumber(f[0]), italianSpan(*refusal.bounds()));
    case Reason::NotFound: {
        QString said = QStringLiteral("%1 si chiama «%2».").arg(noneOf(refusal.subject()), name);
        if (!refusal.closest().empty())
            said += QStringLiteral(" Forse «%1»?").arg(QString::fromStdString(refusal.closest().front()));
        return said;
    }
    case Reason::NoLetters:
        return QStringLiteral("«%1» non ha lettere né cifre, e i nomi si confrontano su quelle.").arg(name);
    case Reason::FileUnusable:
        return italianFileProblem(*refusal.fileProblem(), QString::fromStdString(refusal.filePath()),
            QString::fromStdString(refusal.detail()));
    case Reason::NoPixelField:
        return QStringLiteral("Il campo del pixel non si può calcolare: sul sensore non si può porre nulla.");
    case Reason::OutsideSeries:
        return QStringLiteral("Le effemeridi del corpo non coprono l'anno %1.").arg(f[0]);
    case Reason::NoSize:
        return QStringLiteral("%1 non ha dimensioni nel catalogo: non si può inquadrare.").arg(name);
    case Reason::ChipNotFinite:
        return QStringLiteral("Il sensore non ha una misura finita e positiva: non vi si inquadra nulla.");
    case Reason::FieldNotFinite:
        return QStringLiteral("Il campo non ha una misura finita e positiva: non vi si inquadra nulla.");
    case Reason::NoWholeBinnedPixel:
        return QStringLiteral("Il binning %1 non lascia un pixel intero su un sensore di %2 × %3 pixel.")
            .arg(italianNumber(f[0]), italianNumber(f[1], 6), italianNumber(f[2], 6));
    case Reason::ObstructionTooLarge:
        return QStringLiteral("L'ostruzione di %1 mm non è più piccola dell'apertura di %2 mm.")
            .arg(italianNumber(f[0]), italianNumber(f[1]));
    case Reason::NeedsSiteAndDate:
        return QStringLiteral("Le ore utili richiedono un luogo e una data.");
    case Reason::NeedsExposure:
        return QStringLiteral("Le ore di posa richiedono i dati dell'esposizione.");
    }
    return QStringLiteral("Non si può usare %1 così.").arg(subject);
}

QString italianMergeNote(const velmora::planning::MergeNote& note)
{
    using Kind = velmora::planning::MergeNote::Kind;
    if (!note.readerSaid.empty())
        return QString::fromStdString(note.readerSaid);
    const QString name = QString::fromStdString(note.name);
    const QString file = QFileInfo(QString::fromStdString(note.path)).fileName();
    const QString earlier = note.replaced ? QFileInfo(QString::fromStdString(*note.replaced)).fileName()
                                          : QStringLiteral("catalogo interno");
    const QString replaces =
        note.replaced ? QStringLiteral("di %1").arg(earlier) : QStringLiteral("del %1").arg(earlier);
    switch (note.kind) {
    case Kind::Telescope:
        return QStringLiteral("Il telescopio «%1» di %2 sostituisce quello %3.").arg(name, file, replaces);
    case Kind::Camera:
        return QStringLiteral("La camera «%1» di %2 sostituisce quella %3.").arg(name, file, replaces);
    case Kind::Lens:
        break;
    }
    return QStringLiteral("La lente «%1» di %2 sostituisce quella %3.").arg(name, file, replaces);
}

QString italianNumber(double value, int digits)
{
    return QLocale(QLocale::Italian).toString(value, 'g', digits);
}

QString italianWhole(double value)
{
    return QLocale(QLocale::Italian).toString(value, 'f', 0);
}

QString italianDegrees(double degrees)
{
    return QLocale(QLocale::Italian).toString(degrees, 'f', 1) + QStringLiteral("°");
}

QString italianArcminutes(double arcminutes)
{
    return QLocale(QLocale::Italian).toString(arcminutes, 'f', 2) + QStringLiteral("′");
}

QString italianHours(double hours)
{
    return QLocale(QLocale::Italian).toString(hours, 'f', 1) + QStringLiteral(" h");
}

QString italianSexagesimal(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1Char('.'), QLatin1Char(','));
}
