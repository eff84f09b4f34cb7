#pragma once

#include <QFrame>

// A frame that groups controls and says so to assistive technology: a screen reader meets it as
// a named panel (role Grouping) and reads its name before what it holds. A plain QFrame is
// presented as a bare border, whose name screen readers skip.
class RiquadroAccessibile : public QFrame
{
    Q_OBJECT

public:
    RiquadroAccessibile(const QString &nome, QWidget *parent = nullptr);
};
