#pragma once

#include <optional>

struct StatoEsercizio;
enum class TipoEsercizio;

// What the exercise steps do to the shared exercise state, without widgets: the next exercise
// number, one element more or less in the second set, the verdict with its counts, the
// refusals of help and the time fields. The form turns the results into what the child sees.
class RegoleEsercizio
{
public:
    static constexpr int massimoElementiD = 10;
    static constexpr int rifiutiPrimaDellIntervento = 3;
    static constexpr int tempoMassimoMostrato = 999;
    static constexpr double secondiAlGiorno = 86400.0;

    explicit RegoleEsercizio(StatoEsercizio &stato);

    // A new series numbers its exercises from 1 again.
    void iniziaSerie();

    // Empties the second set and counts the next exercise; after 32767 the numbering of the
    // series starts again at 1 rather than turning negative.
    void nuovoEsercizio();

    // The second set as it is shown at the start of an exercise, or again after a refused
    // help: empty, or the drawn starting size (at most ten) for the kinds that start with
    // elements. The answer's time runs from `adesso`. Nothing for the finished kind.
    std::optional<int> secondoInsiemeIniziale(TipoEsercizio tipo, double adesso);

    // One element more, at most ten; the slot that now shows the picture, if any.
    std::optional<int> aggiungi();

    struct EsitoTogli
    {
        std::optional<int> casellaDaNascondere;
        bool verificaAbilitata = false;
    };
    // One element less, never below none.
    EsitoTogli togli();

    // Right exactly when both sets have as many elements; counts the verdict.
    bool verifica();

    enum class Rifiuto { Riprova, Intervento };
    // Counts a refusal of help; the third one in a row brings the intervention and starts the
    // count again.
    Rifiuto rifiutaAiuto();
    void aiutoDato();

    struct Tempi
    {
        int parziale = 0;
        int totale = 0;
    };
    // Seconds spent on this answer since the second set was last shown, added to the total.
    // The clock starts again at midnight, so a start later than now was yesterday.
    Tempi calcolaTempi(double adesso);
    static float istante(double secondiDallaMezzanotte);

private:
    StatoEsercizio &m_stato;
};
