#include "support/OperazioniRegistrate.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Op = SuperficieRegistrata::Operazione;

std::string descrivi(const Op &op)
{
    return QStringLiteral("tipo %1 (%2, %3)-(%4, %5) valore %6 \"%7\"")
        .arg(static_cast<int>(op.tipo))
        .arg(op.x1)
        .arg(op.y1)
        .arg(op.x2)
        .arg(op.y2)
        .arg(op.valore)
        .arg(op.testo)
        .toStdString();
}

} // namespace

void confrontaOperazioni(const std::vector<Op> &ops, const std::vector<Op> &attese)
{
    ASSERT_EQ(ops.size(), attese.size());
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const Op &o = ops[i];
        const Op &a = attese[i];
        const bool uguale = o.tipo == a.tipo && o.x1 == a.x1 && o.y1 == a.y1 && o.x2 == a.x2
            && o.y2 == a.y2 && o.valore == a.valore && o.testo == a.testo && o.figura == a.figura
            && o.figura.devicePixelRatio() == a.figura.devicePixelRatio();
        EXPECT_TRUE(uguale) << "operazione " << i << ": " << descrivi(o) << " invece di "
                            << descrivi(a);
    }
}
