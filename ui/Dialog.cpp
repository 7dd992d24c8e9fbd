#include "Dialog.h"

#include "control_factory.h"
#include "fixed_dialog.h"

#include <QLabel>

namespace {

struct HelpText {
    const char* name;
    int left, top, width, height; // twips
    const char* text;
};

// The texts are kept exactly as they have always read.
constexpr HelpText kHelpTexts[] = {
    {"Label1", 240, 240, 5415, 1575,
        "Nei \"parametri da inserire\" vanno digitate le carateristiche richieste sulle caselle rosse. Attenzione i "
        "valori da inserire sono numerici in forma decimale, e se bisogna inserire la virgola bisogna digitare il "
        "punto \".\""},
    {"Label2", 240, 2040, 5415, 735,
        "Con il tasto \"calcola\" il programma esegue una serie di calcoli sulle caratteristiche  da esaminare."},
    {"Label3", 240, 2880, 5415, 975,
        "Le dimensioni dei pixel sono espresse in micron,  ad esempio i pixel della camera hx 516  sono da 7,4 "
        "micron."},
    {"Label4", 240, 4080, 5535, 1695,
        "La stima del peso del tubo,viene eseguita con un calcolo in funzione del diametro dell'ottica e della "
        "lunghezza focale.Ia stima è approssimativa perchè non tiene conto dei diversi materiali costruttivi dei "
        "telescopi."},
};

} // namespace

Dialog::Dialog()
{
    using namespace velmora::ui;
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Aiuto"));
    makeFixedDialog(*this, QSize(402, 408), QPoint(184, 250));

    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    for (const HelpText& help : kHelpTexts) {
        auto* label = new QLabel(QString::fromUtf8(help.text), this);
        label->setObjectName(QString::fromLatin1(help.name));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(fontFor({Face::MsSansSerif, 12}));
        label->setGeometry(pixelRect(help.left, help.top, help.width, help.height));
    }
}
