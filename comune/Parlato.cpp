#include "comune/Parlato.h"

#include <array>
#include <utility>

namespace {

struct Frase
{
    const char *didascalia; // as on screen
    const char *parlata;    // as the voice says it
};

// Every sentence the program says: the exercise form's instruction lines, verdicts, help and
// intervention, and the worksheet forms' titles and initial situations.
constexpr std::array tabella = {
    Frase{"Secondo  insieme vuoto - Devi inserire elementi",
          "Secondo insieme vuoto. Devi inserire elementi."},
    Frase{"Secondo  insieme suvvalente - Devi aggiungere elementi",
          "Secondo insieme suvvalente. Devi aggiungere elementi."},
    Frase{"Secondo  insieme prevalente - Devi togliere elementi",
          "Secondo insieme prevalente. Devi togliere elementi."},
    Frase{"E s a t t o", "Esatto!"},
    Frase{"E r r a t o", "Errato."},
    Frase{"Ti aiuto ?", "Ti aiuto?"},
    Frase{"Intervengo io", "Intervengo io."},
    Frase{" SCHEDA: COSTRUIRE L'INSIEME EQUIPOTENTE", "Scheda: costruire l'insieme equipotente."},
    Frase{" situazione iniziale: secondo insieme vuoto",
          "Situazione iniziale: secondo insieme vuoto."},
    Frase{" situazione iniziale: secondo  insieme suvvalente",
          "Situazione iniziale: secondo insieme suvvalente."},
    Frase{" situazione iniziale: secondo insieme prevalente",
          "Situazione iniziale: secondo insieme prevalente."},
};

} // namespace

QString Parlato::perOrecchio(const QString &didascalia)
{
    for (const Frase &f : tabella)
        if (didascalia == QLatin1String(f.didascalia))
            return QString::fromUtf8(f.parlata);
    return didascalia.simplified();
}

QString Parlato::perOrecchio(const QStringList &didascalie)
{
    QStringList frasi;
    for (const QString &d : didascalie)
        frasi.append(perOrecchio(d));
    return frasi.join(QLatin1Char(' '));
}
