#pragma once

#include <QString>

// Modal dialogs the lower layers ask for; the window, the command line and tests
// each supply their own implementation.
class IDialogos {
 public:
  virtual ~IDialogos() = default;
  // Message box with an OK button.
  virtual void Mensaje(const QString& sTexto) = 0;
  // Yes/No warning; true means Yes.
  virtual bool Advertencia(const QString& sTexto) = 0;
  // Yes/No question whose default answer is No (a doubtful entry); true means Yes.
  virtual bool Pregunta(const QString& sTexto) = 0;
};
