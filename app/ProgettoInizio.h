#pragma once

#include "app/PulsantiModo.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <array>
#include <utility>

// The start screen's design data that is not plain geometry of one control: the mode buttons' captions (their trailing blanks line them up),
// what a screen reader says for each, and the places and colours of the buttons and squares.
struct ProgettoInizio
{
    static inline const std::array<QString, PulsantiModo::numeroPulsanti> testiPulsanti = {
        QStringLiteral("da: INSIEME VUOTO ( O )              "),
        QStringLiteral("da: INSIEME MENO POTENTE (+)"),
        QStringLiteral("da: INSIEMI PIU' POTENTE (-)     "),
        QStringLiteral("E S C I"),
    };

    // The captions are spaced capitals; a screen reader says what each button starts.
    static inline const std::array<std::pair<const char *, const char *>, PulsantiModo::numeroPulsanti>
        dettiPulsanti{{
        {"Secondo insieme vuoto", "Esercizio: devi inserire elementi"},
        {"Secondo insieme meno potente", "Esercizio: devi aggiungere elementi"},
        {"Secondo insieme più potente", "Esercizio: devi togliere elementi"},
        {"Esci", "Chiude Tandorino"},
    }};

    static inline const std::array<QRectF, PulsantiModo::numeroPulsanti> postiPulsanti = {
        QRectF(600, 150, 5130, 795),
        QRectF(615, 1110, 5130, 795),
        QRectF(615, 2055, 5130, 795),
        QRectF(615, 3000, 5115, 795),
    };

    static inline const std::array<QRectF, 3> postiQuadretti = {
        QRectF(195, 150, 330, 705),
        QRectF(210, 1110, 330, 705),
        QRectF(195, 2055, 330, 705),
    };

    static inline const std::array<QColor, 3> coloriQuadretti = {
        QColor(255, 255, 255),
        QColor(255, 0, 0),
        QColor(192, 255, 192),
    };
};
