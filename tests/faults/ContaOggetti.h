#pragma once

// Counts the QObjects alive in the process from the moment it is made: Qt calls a hook of its
// own on every QObject's construction and destruction (the one introspection tools use).
// One at a time; any hook already installed is still called.
class ContaOggetti
{
public:
    ContaOggetti();
    ~ContaOggetti();
    ContaOggetti(const ContaOggetti &) = delete;
    ContaOggetti &operator=(const ContaOggetti &) = delete;

    // Whether this Qt offers the hooks at all.
    bool disponibile() const { return m_disponibile; }
    // Objects made minus objects destroyed since the counter was made.
    long viventi() const;

private:
    bool m_disponibile = false;
};
