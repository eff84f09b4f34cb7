#include "worksheets/PaginaScheda.h"

#include "platform/Interruzione.h"
#include "platform/SuperficieStampa.h"

double PaginaScheda::alto(int riga)
{
    return primaRigaY + passoRighe * riga;
}

double PaginaScheda::sinistra(Lato lato)
{
    return lato == Lato::Sinistro ? sinistroX : destroX;
}

QPointF PaginaScheda::angoloCella(Lato lato, int riga, int cella)
{
    const double primaColonna = lato == Lato::Sinistro ? primaColonnaSinistra : primaColonnaDestra;
    return {primaColonna + passoCellaX * (cella % 5),
            alto(riga) + margineCellaY + passoCellaY * (cella / 5)};
}

QSizeF PaginaScheda::estensione(bool conSegno)
{
    // The right edge of the right-hand boxes and the bottom of the last row, or of the mark.
    return {destroX + larghezzaRiquadro, conSegno ? fondoSegno : alto(3) + altezzaRiquadro};
}

bool PaginaScheda::intestazione(SuperficieStampa &s, const QString &istruzione, bool conSegno)
{
    s.adatta(estensione(conSegno));
    return s.impostaPosizione(nomeX, nomeY) && s.impostaDimensioneCarattere(nomePunti)
        && s.stampaRiga(testoNome) && s.impostaPosizione(istruzioneX, istruzioneY)
        && s.impostaDimensioneCarattere(istruzionePunti) && s.stampaRiga(istruzione);
}

bool PaginaScheda::riquadro(SuperficieStampa &s, Lato lato, int riga)
{
    // Four separate lines: top, left, right, bottom.
    const double l = sinistra(lato);
    const double r = l + larghezzaRiquadro;
    const double t = alto(riga);
    const double b = t + altezzaRiquadro;
    return s.linea(l, t, r, t) && s.linea(l, t, l, b) && s.linea(r, t, r, b) && s.linea(l, b, r, b);
}

bool PaginaScheda::figure(SuperficieStampa &s, Lato lato, int riga,
                          const ContenutoPagina::Riquadro &celle)
{
    for (int k = 0; k < ContenutoPagina::celle; ++k) {
        const QPointF angolo = angoloCella(lato, riga, k);
        if (!s.immagine(angolo.x(), angolo.y(), celle[k]))
            return false;
    }
    return true;
}

bool PaginaScheda::corpo(SuperficieStampa &s, const ContenutoPagina &pagina)
{
    return righe(s, pagina) && s.fineDocumento();
}

QString PaginaScheda::testoSegno(int numero, int totale)
{
    return QStringLiteral("Scheda %1 di %2").arg(numero).arg(totale);
}

bool PaginaScheda::serie(SuperficieStampa &s, const std::vector<ContenutoPagina> &pagine)
{
    const int totale = static_cast<int>(pagine.size());
    const Interruzione *interruzione = Interruzione::attiva();
    const auto interrotta = [interruzione] { return interruzione && !interruzione->continua(); };
    for (int i = 0; i < totale; ++i) {
        if (interrotta())
            return false;
        const ContenutoPagina &pagina = pagine[static_cast<std::size_t>(i)];
        const bool disegnata = (i == 0 || s.nuovaPagina())
            && intestazione(s, pagina.istruzione, true) && righe(s, pagina)
            && s.impostaPosizione(segnoX, segnoY) && s.impostaDimensioneCarattere(segnoPunti)
            && s.stampaRiga(testoSegno(i + 1, totale));
        if (!disegnata)
            return false;
    }
    return totale > 0 && !interrotta() && s.fineDocumento();
}

bool PaginaScheda::righe(SuperficieStampa &s, const ContenutoPagina &pagina)
{
    if (!s.impostaSpessoreLinea(spessoreLinea))
        return false;
    for (int riga = 0; riga < ContenutoPagina::righe; ++riga) {
        const auto &sx = pagina.sinistra[riga];
        const auto &dx = pagina.destra[riga];
        const bool ok = pagina.ordine == OrdinePagina::SoloSinistra
            ? riquadro(s, Lato::Sinistro, riga) && riquadro(s, Lato::Destro, riga)
                && figure(s, Lato::Sinistro, riga, sx)
            : riquadro(s, Lato::Sinistro, riga) && figure(s, Lato::Sinistro, riga, sx)
                && riquadro(s, Lato::Destro, riga) && figure(s, Lato::Destro, riga, dx);
        if (!ok)
            return false;
    }
    return true;
}
