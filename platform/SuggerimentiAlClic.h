#pragma once

#include <QObject>

// Nothing is said only to a pointer resting on a control: installed on the application, this
// shows a control's tooltip also when the control is clicked or tapped, where no pointer can
// hover (a finger on a touch display). The click itself goes on as before.
class SuggerimentiAlClic : public QObject
{
    Q_OBJECT

public:
    explicit SuggerimentiAlClic(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
