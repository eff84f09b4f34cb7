#pragma once

#include <memory>

class Contesto;
class FrmStampante;

// Keeps the run's one printer dialog: loaded the first time a worksheet asks for it, then only
// hidden, so it comes back exactly as it was left. Whoever opens worksheets owns one.
class DialogoStampante
{
public:
    explicit DialogoStampante(Contesto &contesto);
    ~DialogoStampante();
    DialogoStampante(const DialogoStampante &) = delete;
    DialogoStampante &operator=(const DialogoStampante &) = delete;

    FrmStampante &modulo();
    // Shows the dialog modally; returns when it is hidden again.
    void mostra();

private:
    Contesto &m_contesto;
    std::unique_ptr<FrmStampante> m_modulo;
};
