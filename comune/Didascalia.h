#pragma once

#include <QString>

// A caption as the screen shows it and the same words as the voice says them. The screen keeps
// the design's spelling (spaced letters, doubled blanks); the ear gets words, sentence
// punctuation and single blanks. Each form defines its captions this way, beside the code that
// shows them, and hands the voice the spoken half.
struct Didascalia
{
    QString testo;
    QString detta;
};
