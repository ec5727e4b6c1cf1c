#pragma once

#include <QPointer>
#include <QString>

#include "db/IIDialogos.h"

class QWidget;

// Modal message boxes over the main window.
class TDialogosVentana : public IDialogos {
 public:
  explicit TDialogosVentana(QWidget* Ventana);

  void Mensaje(const QString& sTexto) override;
  bool Advertencia(const QString& sTexto) override;
  bool Pregunta(const QString& sTexto) override;

 private:
  QPointer<QWidget> F_Ventana;
};
