#include "support/ContestoDiProva.h"

#include "platform/InSottofondo.h"

ContestoDiProva::ContestoDiProva(QStringList elenco, QString predefinita)
    : ContestoFinto(std::move(elenco), std::move(predefinita))
    , dialogo(std::make_unique<DialogoStampante>(*contesto))
{
}

ContestoDiProva::~ContestoDiProva()
{
    // The dialog goes before the fakes it reads, and work a test left on a worker may still
    // answer it.
    InSottofondo::attendiTutti();
}
