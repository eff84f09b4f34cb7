#include "support/ContestoDiProva.h"

ContestoDiProva::ContestoDiProva(QStringList elenco, QString predefinita)
{
    stampanti.elenco = std::move(elenco);
    stampanti.predefinitaDiSistema = std::move(predefinita);
    contesto = std::make_unique<Contesto>(orologio, casuale, avvisi, stampanti, esercizio);
    contesto->impostaSceltaFile(sceltaFile);
    dialogo = std::make_unique<DialogoStampante>(*contesto);
}
