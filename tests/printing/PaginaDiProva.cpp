#include "PaginaDiProva.h"

namespace PaginaDiProva {

ContenutoPagina crea(OrdinePagina ordine, int pieni)
{
    QImage figura(latoFigura, latoFigura, QImage::Format_RGB32);
    figura.fill(coloreFigura);
    QImage bianca(latoFigura, latoFigura, QImage::Format_RGB32);
    bianca.fill(Qt::white);
    ContenutoPagina p;
    p.ordine = ordine;
    p.istruzione = ordine == OrdinePagina::SoloSinistra
        ? QStringLiteral("Nel riquadro accanto disegna l'insieme equipotente")
        : QStringLiteral("Nel riquadro accanto aggiungi elementi per rendere l'insieme consecutivo maggiore");
    for (int riga = 0; riga < ContenutoPagina::righe; ++riga) {
        for (int k = 0; k < ContenutoPagina::celle; ++k) {
            p.sinistra[riga][k] = k < pieni ? figura : bianca;
            p.destra[riga][k] = k < pieni ? figura : bianca;
        }
    }
    return p;
}

} // namespace PaginaDiProva
