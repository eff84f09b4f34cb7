#include "platform/SuperficieRegistrata.h"

#include <algorithm>

bool SuperficieRegistrata::registra(Operazione op)
{
    const int numero = m_tentativi++;
    if (m_falliscaDa && numero >= *m_falliscaDa)
        return false;
    m_operazioni.push_back(std::move(op));
    return true;
}

bool SuperficieRegistrata::impostaDimensioneCarattere(double punti)
{
    return registra({Tipo::Carattere, 0, 0, 0, 0, punti, {}, {}});
}

bool SuperficieRegistrata::impostaPosizione(double xTwips, double yTwips)
{
    return registra({Tipo::Posizione, xTwips, yTwips, 0, 0, 0, {}, {}});
}

bool SuperficieRegistrata::stampaRiga(const QString &testo)
{
    return registra({Tipo::Riga, 0, 0, 0, 0, 0, testo, {}});
}

bool SuperficieRegistrata::impostaSpessoreLinea(int punti)
{
    return registra({Tipo::Spessore, 0, 0, 0, 0, static_cast<double>(punti), {}, {}});
}

bool SuperficieRegistrata::linea(double x1, double y1, double x2, double y2)
{
    return registra({Tipo::Linea, x1, y1, x2, y2, 0, {}, {}});
}

bool SuperficieRegistrata::immagine(double xTwips, double yTwips, const QImage &figura)
{
    return registra({Tipo::Immagine, xTwips, yTwips, 0, 0, 0, {}, figura});
}

bool SuperficieRegistrata::nuovaPagina()
{
    return registra({Tipo::Pagina, 0, 0, 0, 0, 0, {}, {}});
}

bool SuperficieRegistrata::fineDocumento()
{
    return registra({Tipo::Fine, 0, 0, 0, 0, 0, {}, {}});
}

void SuperficieRegistrata::annulla()
{
    m_annullato = true;
}

int SuperficieRegistrata::conta(Tipo tipo) const
{
    return static_cast<int>(std::count_if(m_operazioni.begin(), m_operazioni.end(),
                                          [tipo](const Operazione &op) { return op.tipo == tipo; }));
}
