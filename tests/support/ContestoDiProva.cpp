#include "support/ContestoDiProva.h"

#include "platform/InSottofondo.h"

ContestoDiProva::ContestoDiProva(QStringList elenco, QString predefinita)
{
    stampanti.elenco = std::move(elenco);
    stampanti.predefinitaDiSistema = std::move(predefinita);
    contesto = std::make_unique<Contesto>(orologio, casuale, avvisi, stampanti, esercizio);
    contesto->impostaSceltaFile(sceltaFile);
    dialogo = std::make_unique<DialogoStampante>(*contesto);
    // What the program reads on a worker at start-up, read here at once.
    contesto->stampantePredefinitaLetta(stampanti.predefinita());
}

ContestoDiProva::~ContestoDiProva()
{
    // Work a test left on a worker still uses these fakes.
    InSottofondo::attendiTutti();
}
