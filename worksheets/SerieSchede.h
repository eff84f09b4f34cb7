#pragma once

#include "worksheets/ModelloScheda.h"

#include <vector>

class GeneratoreCasuale;
class Orologio;

// A class set: as many different worksheets of one kind as the teacher asks for, each drawn
// afresh by the very rules of the four "VISUALIZZA" presses, so that neighbours do not share
// a sheet. The worksheet on screen plays no part and is not touched.
class SerieSchede
{
public:
    static constexpr int minimo = 1;
    static constexpr int massimo = 60;
    static constexpr int proposta = 25;
    // A draw that keeps repeating an earlier sheet (a generator that has stopped being random)
    // is accepted after this many tries rather than holding the program up for ever.
    static constexpr int tentativiPerScheda = 1000;

    // quante worksheets (minimo..massimo), every set of each generated in the forms' order.
    static std::vector<ModelloScheda> genera(ModelloScheda::Tipo tipo, int quante,
                                             GeneratoreCasuale &casuale, const Orologio &orologio);

    // Whether two worksheets show the same picture in every cell of every set.
    static bool uguali(const ModelloScheda &a, const ModelloScheda &b);
};
