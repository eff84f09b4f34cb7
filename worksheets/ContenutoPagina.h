#pragma once

#include <QImage>
#include <QString>
#include <array>

// What one worksheet page shows, computed from the worksheet's model when "STAMPA" is pressed.
// Row r (0..3) of the page holds exercise r + 1; cell k (0..14) of a box lies in column k % 5
// and row k / 5 of its grid.
enum class OrdinePagina {
    // Draw kind: left box, right box, then the fifteen pictures of the left box.
    SoloSinistra,
    // Add and remove kinds: left box, its pictures, right box, its pictures.
    SinistraEDestra,
};

struct ContenutoPagina
{
    static constexpr int righe = 4;
    static constexpr int celle = 15;
    using Riquadro = std::array<QImage, celle>;

    QString istruzione;                  // the heading's instruction line
    OrdinePagina ordine = OrdinePagina::SoloSinistra;
    std::array<Riquadro, righe> sinistra; // pictures of the left boxes
    std::array<Riquadro, righe> destra;   // pictures of the right boxes (unused by the draw kind)
};
