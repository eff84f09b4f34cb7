#pragma once

#include <QString>
#include <QWidget>

// A white frame that holds the slots of one set on a worksheet preview, with an optional
// caption on its top edge. A click on its free area (not on a slot) is reported by cliccata().
class CorniceInsieme : public QWidget
{
    Q_OBJECT

public:
    explicit CorniceInsieme(const QString &didascalia, QWidget *parent = nullptr);

    QString didascalia() const { return m_didascalia; }

Q_SIGNALS:
    void cliccata();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_didascalia;
    bool m_premuta = false;
};
