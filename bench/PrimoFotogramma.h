#pragma once

#include <QObject>

class QWidget;

// Start-up probe for the benchmarks: when the watched window paints for the first time, prints
// "PRONTO" on standard output and ends the process, so the parent measures launch to first frame.
class PrimoFotogramma : public QObject
{
    Q_OBJECT

public:
    explicit PrimoFotogramma(QWidget *finestra);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
