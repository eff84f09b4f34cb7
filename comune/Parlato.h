#pragma once

#include <QString>
#include <QStringList>

// What the voice says for a caption. Captions keep their own spelling on screen; the ear gets
// words ("Esatto" for "E s a t t o"), sentence punctuation and no doubled blanks. Every
// sentence the program can say is in the one table of Parlato.cpp.
class Parlato
{
public:
    // The spoken form of a caption; a caption missing from the table is said with its blanks
    // tidied.
    static QString perOrecchio(const QString &didascalia);
    // Captions shown together, said as one utterance, so that the second does not cut the first.
    static QString perOrecchio(const QStringList &didascalie);
};
