#pragma once

class QKeyEvent;

// Key codes as the program's handlers know them: the classic desktop virtual-key numbers.
// Main-keyboard digits are 48-57, numeric-keypad digits 96-105, letters their upper-case code.
// 0 means "no key": a handler that swallows a key sets its code to 0.
namespace CodiciTasto {
constexpr int Nessuno = 0;
constexpr int Tab = 9;
constexpr int Invio = 13;
constexpr int Spazio = 32;
constexpr int Cifra0 = 48;
constexpr int Cifra1 = 49;
constexpr int Cifra2 = 50;
constexpr int Cifra3 = 51;
constexpr int Cifra4 = 52;
constexpr int Cifra5 = 53;
constexpr int LetteraN = 78;
constexpr int LetteraS = 83;
constexpr int Tastierino0 = 96;
constexpr int Tastierino1 = 97;
constexpr int Tastierino2 = 98;
constexpr int Tastierino3 = 99;
constexpr int Tastierino4 = 100;
constexpr int Tastierino5 = 101;
constexpr int F2 = 113;
constexpr int F3 = 114;

// The code of a Qt key event (Return and keypad Enter both give Invio); keys outside the
// table get a code no handler accepts.
int daEvento(const QKeyEvent &event);
// The character code a key press types (32 for Space), 0 when it types nothing.
int carattere(const QKeyEvent &event);
} // namespace CodiciTasto
