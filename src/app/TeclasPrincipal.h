#pragma once

#include <QChar>

#include <functional>

class QWidget;

// A key handler gets the typed character by reference; setting it to the null
// character discards the key before the control sees it.
using TManejadorTecla = std::function<void(QWidget* Sender, QChar& Key, bool bShift)>;

// Calls Manejador for every character key typed into Control (Enter is '\r',
// Backspace '\b'); keys without a character (arrows, Tab) are not passed.
void InstalaManejadorTecla(QWidget* Control, TManejadorTecla Manejador);

// Enter moves the focus to the next control in tab order, Shift+Enter to the
// previous one, wrapping around; the key is then discarded.
void FocusSiguiente(QWidget* Sender, QChar& Key, bool bShift);
