#pragma once

#include "worksheets/ContenutoPagina.h"
#include "worksheets/GeneratoreSchede.h"

#include <QString>
#include <array>

class Galleria;
class GeneratoreCasuale;
class Orologio;

// What a worksheet holds, without any window: the four generated sets (which gallery picture
// sits in which cell), the four "shown" flags that gate printing, and the page they make.
// The preview draws its slots from here and "STAMPA" prints what this computes.
class ModelloScheda
{
public:
    enum class Tipo { Disegno, Aggiungi, Togli };
    // The first set (the only one of the draw kind) and the second set of an exercise.
    enum class Insieme { Primo, Secondo };
    // The preview shows two of the four at a time: 1 and 2, or 3 and 4.
    enum class Meta { Prima, Seconda };

    static constexpr int esercizi = 4;
    static constexpr int celle = GeneratoreSchede::slotPerInsieme;
    // A cell of a set not generated yet shows nothing at all, not even the blank picture.
    static constexpr int nessunaFigura = -1;
    // The first slot number the generator draws set e of the draw kind from: the frames of the
    // sets are the 1st, 2nd, 7th and 8th of the preview, the others are blank frames for
    // drawing. The other kinds keep exercise e at 15(e - 1).
    static constexpr std::array<int, esercizi> basiDisegno = {0, 15, 90, 105};

    ModelloScheda(Tipo tipo, GeneratoreCasuale &casuale, const Orologio &orologio);

    Tipo tipo() const { return m_tipo; }

    // The form's load: nothing generated, no flag set.
    void ricomincia();
    // Draws set (or exercise) e (1..4) again, marks it shown and shows its half.
    void genera(int esercizio);

    Meta meta() const { return m_meta; }
    // The other half, as the switch under the preview asks.
    void scambiaMeta() { m_meta = m_meta == Meta::Prima ? Meta::Seconda : Meta::Prima; }

    bool mostrato(int esercizio) const;
    // Whether all four sets have been made: only a complete worksheet is printed or saved.
    bool completa() const;

    // The gallery index cell k (0..14) of set e shows; nessunaFigura before e is generated
    // and for the second set of the draw kind, which has none.
    int figura(int esercizio, Insieme insieme, int cella) const;

    // The generation data of set e of each kind; meaningful once e has been generated.
    const InsiemeDaDisegnare &insiemeDaDisegnare(int esercizio) const;
    const EsercizioElementi &esercizioElementi(int esercizio) const;

    // The page "STAMPA" prints: row r holds set r + 1, with the gallery's pictures.
    ContenutoPagina contenutoPagina(const Galleria &galleria) const;

private:
    int base(int esercizio) const;

    Tipo m_tipo;
    Meta m_meta = Meta::Prima;
    GeneratoreSchede m_generatore;
    std::array<bool, esercizi> m_mostrati{};
    std::array<InsiemeDaDisegnare, esercizi> m_insiemi{};
    std::array<EsercizioElementi, esercizi> m_esercizi{};
};
