#pragma once

class QObject;

// A form's handlers are its own members, connected with the form as their context. Qt's base
// destructor deletes the children only after the form's own part is gone, and a child going
// away still sends events (a focused button loses the focus) whose handlers would then run on
// half an object. A form's destructor calls this first, so that from then on none of its
// handlers runs.
class FineModulo
{
public:
    // Disconnects every signal of `modulo`'s descendants from `modulo` itself.
    static void staccaGestori(QObject &modulo);
};
