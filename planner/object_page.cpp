#include "object_page.h"

#include "fields.h"
#include "italian_texts.h"
#include "local_time.h"
#include "planning_session.h"
#include "recalled.h"

#include <QCompleter>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using velmora::planning::Subject;

namespace {

const QString kObjectKey = QStringLiteral("oggetto");

} // namespace

ObjectPage::ObjectPage(PlanningSession& session, QWidget* parent) : PlannerPage(session, parent)
{
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("txtOggetto"));
    name_->setPlaceholderText(QStringLiteral("M31, NGC 224, IC 434, Andromeda Galaxy, Giove"));
    name_->setToolTip(QStringLiteral("Nome di catalogo, numero di Messier, nome comune o un corpo del sistema solare"));
    QStringList names = italianBodyNames();
    for (const std::string& name : session_.targetNames())
        names << QString::fromStdString(name);
    auto* completer = new QCompleter(names, name_);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    name_->setCompleter(completer);
    auto* label = fieldLabel(QStringLiteral("O&ggetto"), name_);
    facts_ = figuresLine("lblOggetto");
    message_ = messageLine("lblAvvisoOggetto");
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label, 0, 0);
    layout->addWidget(name_, 0, 1);
    layout->addWidget(facts_, 0, 2, 2, 1);
    layout->addWidget(message_, 1, 1);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 2);

    connect(name_, &QLineEdit::editingFinished, this, &ObjectPage::write);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this, &ObjectPage::write);
    connect(&session_, &PlanningSession::objectChosen, this, [this](const QString& chosen) {
        name_->setText(chosen);
        write();
    });
    connect(&session_, &PlanningSession::answered, this, &ObjectPage::showAnswer);
    connect(&session_, &PlanningSession::timeZoneChanged, this, &ObjectPage::showAnswer);
}

QString ObjectPage::typedName() const
{
    return name_->text().trimmed();
}

void ObjectPage::write()
{
    const QString name = typedName();
    session_.update([&name](velmora::planning::Request& r) {
        r.frame = italianBody(name);
        r.target.reset();
        if (!r.frame && !name.isEmpty())
            r.target = name.toStdString();
    });
}

void ObjectPage::showAnswer()
{
    const PlanningAnswer& answer = session_.answer();
    const bool aboutObject =
        answer.refusal && (answer.refusal->subject() == Subject::Target || answer.refusal->subject() == Subject::Frame);
    message_->setText(aboutObject ? italianRefusal(*answer.refusal) : QString());
    const auto& c = answer.computation;
    facts_->setText(c && c->framedBody ? bodyFacts() : c && c->target ? targetFacts() : QString());
}

QString ObjectPage::bodyFacts() const
{
    const velmora::planning::Computation& c = *session_.answer().computation;
    const velmora::sky::BodyView& view = c.sky->bodies[*c.framedBody];
    QString facts = QStringLiteral("%1, a %2 km").arg(italianBodyName(*view.facts), italianWhole(view.distanceKm));
    if (!view.fromSite)
        return facts;
    const velmora::sky::SiteView& site = *view.fromSite;
    if (site.altitude >= 0)
        return facts + QStringLiteral("\nAlto %1 sull'orizzonte").arg(italianDegrees(site.altitude));
    return facts +
        (site.rise ? QStringLiteral("\nOra è sotto l'orizzonte, sorge alle %1")
                         .arg(clockText(*site.rise, session_.timeZone(), QStringLiteral("HH:mm")))
                   : QStringLiteral("\nOra è sotto l'orizzonte e non sorge in questa notte"));
}

QString ObjectPage::targetFacts() const
{
    const velmora::sky::TargetFraming& framing = *session_.answer().computation->target;
    const velmora::sky::DeepSkyObject& o = *framing.object;
    QString facts = QStringLiteral("%1: %2").arg(QString::fromStdString(o.displayName()), italianType(o.type->code));
    if (o.magnitude)
        facts += QStringLiteral(", magnitudine %1").arg(italianNumber(*o.magnitude, 3));
    const velmora::sky::Outline& outline = framing.shape.outline;
    facts +=
        QStringLiteral("\n%1 × %2").arg(italianArcminutes(outline.majorAxis), italianArcminutes(outline.minorAxis));
    if (!o.rightAscension.empty())
        facts += QStringLiteral(", AR %1, Dec %2")
                     .arg(italianSexagesimal(o.rightAscension), italianSexagesimal(o.declination));
    return facts;
}

void ObjectPage::remember(QSettings& settings) const
{
    settings.setValue(kObjectKey, name_->text());
}

void ObjectPage::recall(Recalled& recalled)
{
    name_->setText(recalled.text(kObjectKey));
    write();
}
