#include "planner_texts.h"

#include <QDateTime>
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

constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kMillisecondsPerDay = 86400000;

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

QString italianRefusal(const velmora::planning::Refusal& refusal)
{
    if (const auto problem = refusal.fileProblem())
        return italianFileProblem(
            *problem, QString::fromStdString(refusal.filePath()), QString::fromStdString(refusal.what()));
    QString subject;
    for (const auto& [each, words] : kSubjects) {
        if (each == refusal.subject())
            subject = QString::fromUtf8(words);
    }
    if (refusal.missing())
        return QStringLiteral("Manca %1.").arg(subject);
    if (refusal.subject() == Subject::Target)
        return QStringLiteral("Oggetto non trovato nel catalogo o senza dimensioni.");
    if (refusal.subject() == Subject::Frame)
        return QStringLiteral(
            "Il corpo non si può inquadrare ora: è sotto l'orizzonte o fuori dagli anni delle effemeridi.");
    return QStringLiteral("Non si può usare %1 così.").arg(subject);
}

QString italianNumber(double value, int digits)
{
    return QLocale(QLocale::Italian).toString(value, 'g', digits);
}

QString utcText(double julianDay, const QString& format)
{
    const auto ms = static_cast<qint64>(std::llround((julianDay - kUnixEpochJulianDay) * kMillisecondsPerDay));
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(format);
}
