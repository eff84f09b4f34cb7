#pragma once

class QImage;

// How far two renderings of the same thing are apart: the mean difference per colour channel
// (0 to 255), alpha left aside.
namespace DifferenzaImmagini {

// Over every pixel of two pictures of one size.
double media(const QImage &a, const QImage &b);

// Over the whole blocks of `lato` by `lato` pixels: the mean and the block that differs most.
struct ABlocchi
{
    double media = 0;
    double peggiorBlocco = 0;
};
ABlocchi aBlocchi(const QImage &a, const QImage &b, int lato);

} // namespace DifferenzaImmagini
