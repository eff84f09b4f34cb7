#include "support/ContestoFinto.h"

#include "platform/InSottofondo.h"

ContestoFinto::ContestoFinto(QStringList elenco, QString predefinita)
{
    stampanti.elenco = std::move(elenco);
    stampanti.predefinitaDiSistema = std::move(predefinita);
    contesto = std::make_unique<Contesto>(orologio, casuale, avvisi, stampanti, esercizio);
    contesto->impostaSceltaFile(sceltaFile);
    // What the program reads on a worker at start-up, read here at once.
    contesto->stampantePredefinitaLetta(stampanti.predefinita());
}

ContestoFinto::~ContestoFinto()
{
    // Work a test left on a worker still uses these fakes.
    InSottofondo::attendiTutti();
}
