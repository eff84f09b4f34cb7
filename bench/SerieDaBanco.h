#pragma once

class Contesto;
class QAction;

// The class set of the "aggiungi" kind, through the form's menu entry and dialog: 25 pages saved
// to a PDF against a second, peak memory against a one-page save, and the interface thread's
// longest pause while sets print and save. Prints its table; false when a goal is missed.
bool serieDellaClasse(Contesto &contesto, QAction *voceAggiungi);
